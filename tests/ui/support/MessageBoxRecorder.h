#pragma once

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QVector>

// Answers every message box that opens while it is alive and records its kind
// (icon) and text, so screen tests can check messages without a person.
class MessageBoxRecorder : public QObject {
  Q_OBJECT
 public:
  struct Box {
    QMessageBox::Icon icon;
    QString text;
  };

  MessageBoxRecorder();
  ~MessageBoxRecorder() override;

  QVector<Box> boxes;
  QStringList texts() const;

 private slots:
  void poll();

 private:
  QTimer timer_;
};
