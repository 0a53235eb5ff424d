#pragma once

#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <span>

#include "design/ui/DesignDialog.h"

class QLabel;
class QLineEdit;

// Shared by the two spacing dialogs (in line, staggered).
// A table of bank coefficients headed `title`, "Sn / d" over the columns 1.25 to
// 3.0 and "Sp / d" beside the rows, every value with four decimals. The value
// labels are named <name>_<row>_<column> (from 1).
QWidget* BankTableView(const QString& name, const QString& title, const QStringList& rowHeaders,
                       std::span<const std::array<double, 4>> values, QWidget* parent);

// A number written with a point (a default entry, a table heading or value) in
// the platform's notation, so it reads back as the number it shows.
QString PlatformNumberText(QString pointText);

// What the two spacing dialogs share: their Sp (Edit1) and Sn (Edit2) entries,
// which each dialog creates in its own layout, and their Cancel.
class TSpacingDialog : public TDesignDialog {
 public:
  using TDesignDialog::TDesignDialog;

  void clearSpacings();
  QLineEdit* spEntry() const { return sp_; }
  QLineEdit* snEntry() const { return sn_; }
  // Where OK reads the tube outside diameter the ratios divide by: the text of
  // the design screen's Edit9 at that moment.
  void setOutsideDiameterSource(std::function<QString()> source) {
    outsideDiameter_ = std::move(source);
  }

 protected:
  // Both entries wide enough for a pitch of eight digits in the screen's font.
  void fitSpacingEntries();
  // Whether the two entries and the diameter pass the spacing checks of a bank
  // in line or staggered; otherwise shows why.
  bool spacingAccepted(bool staggered);
  // Closes the dialog and asks the design screen to clear its arrangement choice.
  void cancelClicked();

  QLineEdit* sp_ = nullptr;
  QLineEdit* sn_ = nullptr;

 private:
  std::function<QString()> outsideDiameter_;
};
