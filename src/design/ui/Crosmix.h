#pragma once

#include "design/ui/DesignDialog.h"

class RadioGroup;

// The mixing case of a cross-flow exchanger (RadioGroup1, CrossFlowMixing order).
class TCrossmix : public TDesignDialog {
  Q_OBJECT
 public:
  explicit TCrossmix(QWidget* parent = nullptr);

  RadioGroup* mixing() const { return mixing_; }

 private:
  RadioGroup* mixing_ = nullptr;
};

extern TCrossmix* Crossmix;
