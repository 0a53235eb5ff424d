#pragma once

#include "design/DesignFields.h"
#include "design/ui/DesignDialog.h"

class QLabel;
class QLineEdit;
class RadioGroup;

// The pressure-drop data: tube types (RadioGroup1 inner, RadioGroup2 outer) and
// the pipe diameters Edit1, Edit2 (prompts Label1, Label2) and, for the shell
// side, Edit3, Edit4 (Label3, Label4). The design screen prepares it for the
// showing page before each showing.
class TPressdlg : public TDesignDialog {
  Q_OBJECT
 public:
  explicit TPressdlg(QWidget* parent = nullptr);

  // Prompts, visible rows and cleared entries for design page `page`; sized to
  // its visible rows.
  void prepareForPage(calvora::design::DesignPage page);

  RadioGroup* innerTubeType() const { return innerTube_; }
  RadioGroup* outerTubeType() const { return outerTube_; }
  // Edit1 to Edit4 (index 0 to 3).
  QLineEdit* pipeDiameter(int index) const { return edits_[index]; }

 private:
  void okClicked();
  void cancelClicked();

  RadioGroup* innerTube_ = nullptr;
  RadioGroup* outerTube_ = nullptr;
  QLineEdit* edits_[4] = {};
  QLabel* prompts_[4] = {};
};

extern TPressdlg* Pressdlg;
