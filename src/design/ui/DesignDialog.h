#pragma once

#include <QDialog>
#include <initializer_list>
#include <vector>

#include "design/ui/DesignText.h"

class QBoxLayout;
class QHideEvent;
class QPushButton;

// A dialog the design screen shows modelessly while it keeps itself disabled:
// hiding the dialog from code (OK, Cancel, closing) says that the screen may be
// enabled again.
class TDesignDialog : public QDialog {
  Q_OBJECT
 public:
  using QDialog::QDialog;

 signals:
  // The dialog is done with: the design screen may take input again.
  void dismissed();
  // Cancel was pressed: the design screen undoes the choice that opened the dialog.
  void cancelled();

 protected:
  void hideEvent(QHideEvent* event) override;

  // What OK does once the entries are accepted: releases the design screen, then
  // hides this dialog.
  void returnToDesignScreen();

  // A button of caption `caption` and objectName `name`, with the row's first the
  // default one.
  struct Button {
    const char* caption;
    const char* name;
  };
  // The buttons, centred in one row added at the bottom of `layout`, in order.
  std::vector<QPushButton*> addButtonRow(QBoxLayout* layout, std::initializer_list<Button> buttons);
};
