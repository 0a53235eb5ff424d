#pragma once

#include <QDialog>
#include <initializer_list>
#include <vector>

class QBoxLayout;
class QHideEvent;
class QPushButton;

// A dialog the design screen shows modelessly while it keeps itself disabled:
// hiding the dialog from code (OK, Cancel, closing) enables the screen again.
class TDesignDialog : public QDialog {
 public:
  using QDialog::QDialog;

 protected:
  void hideEvent(QHideEvent* event) override;

  // What OK does once the entries are accepted: enables the design screen, then
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
