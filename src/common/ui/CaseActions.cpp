#include "common/ui/CaseActions.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QSaveFile>
#include <QShortcut>
#include <QUrl>
#include <QWidget>
#include <utility>

#include "cases/CaseFile.h"
#include "common/ui/CaseTexts.h"
#include "common/ui/QtMessages.h"

namespace text = calvora::case_text;

namespace {

QAction* Entry(QWidget* screen, const char* name, const char* caption, const QKeySequence& keys) {
  auto* action = new QAction(QString::fromUtf8(caption), screen);
  action->setObjectName(name);
  action->setShortcut(keys);
  // The keys work wherever the focus is on the screen (a field included).
  action->setShortcutContext(Qt::WindowShortcut);
  action->setToolTip(QString::fromUtf8(caption).remove("...") + " (" +
                     keys.toString(QKeySequence::NativeText) + ')');
  screen->addAction(action);
  return action;
}

// The case file of a drag, when it brings exactly one local .json file.
QString DraggedCase(const QMimeData* data) {
  if (!data || !data->hasUrls() || data->urls().size() != 1)
    return {};
  const QUrl url = data->urls().first();
  if (!url.isLocalFile())
    return {};
  const QString path = url.toLocalFile();
  return QFileInfo(path).suffix().compare(text::kSuffix, Qt::CaseInsensitive) == 0 ? path
                                                                                   : QString();
}

class CaseDropFilter : public QObject {
 public:
  CaseDropFilter(QObject* parent, std::function<void(const QString&)> open)
      : QObject(parent), open_(std::move(open)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::DragEnter:
      case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (DraggedCase(drag->mimeData()).isEmpty())
          break;
        drag->acceptProposedAction();
        return true;
      }
      case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = DraggedCase(drop->mimeData());
        if (path.isEmpty())
          break;
        drop->acceptProposedAction();
        open_(path);
        return true;
      }
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(const QString&)> open_;
};

}  // namespace

CaseActions AddCaseActions(QWidget* screen, bool results) {
  CaseActions actions;
  actions.open = Entry(screen, "OpenCaseAction", text::kOpenCase, QKeySequence::Open);
  actions.save = Entry(screen, "SaveCaseAction", text::kSaveCase,
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  if (results) {
    actions.copyResults = Entry(screen, "CopyResultsAction", text::kCopyResults,
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  }
  // The right button and the Menu key open a menu of the screen's actions (or
  // of the field under them); Shift+F10 opens the screen's menu where the focus is.
  screen->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), screen);
  menuKey->setObjectName("ContextMenuShortcut");
  menuKey->setContext(Qt::WindowShortcut);
  QObject::connect(menuKey, &QShortcut::activated, screen, [screen] {
    const QWidget* focus = screen->focusWidget() ? screen->focusWidget() : screen;
    const QPoint at = focus->mapTo(screen, focus->rect().center());
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, screen->mapToGlobal(at));
    QApplication::sendEvent(screen, &event);
  });
  return actions;
}

QString AskCaseToOpen(QWidget* parent) {
  QFileDialog dialog(parent, QString::fromUtf8(text::kOpenTitle));
  dialog.setObjectName("OpenCaseDialog");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QString::fromUtf8(text::kFilter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().first();
}

QString AskCaseToSave(QWidget* parent) {
  QFileDialog dialog(parent, QString::fromUtf8(text::kSaveTitle));
  dialog.setObjectName("SaveCaseDialog");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(QString::fromUtf8(text::kFilter));
  dialog.setDefaultSuffix(text::kSuffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().first();
}

bool WriteCaseFile(QWidget* parent, const QString& path, const QByteArray& bytes) {
  calvora::cases::CaseFault fault;
  if (calvora::cases::SaveCase(path, bytes, fault))
    return true;
  // The system's reason: most failures (no permission, no such folder) show
  // when the temporary is opened; a later one (a full disk) keeps the fault's words.
  QString reason = QString::fromStdString(fault.what);
  QSaveFile probe(path);
  if (probe.open(QIODevice::WriteOnly))
    probe.cancelWriting();
  else
    reason = probe.errorString();
  ShowMessage(parent, calvora::MessageKind::Error, QString(text::kCannotSave).arg(path, reason));
  return false;
}

void ShowCaseFault(QWidget* parent, const calvora::cases::CaseFault& fault) {
  ShowMessage(parent, calvora::MessageKind::Error,
              QString(text::kCannotOpen).arg(QString::fromStdString(fault.Message())));
}

void AcceptCaseDrops(QWidget* screen, std::function<void(const QString&)> open) {
  auto* filter = new CaseDropFilter(screen, std::move(open));
  screen->setAcceptDrops(true);
  screen->installEventFilter(filter);
  for (QWidget* child : screen->findChildren<QWidget*>())
    child->installEventFilter(filter);
}

void ConnectCaseEntries(QWidget* screen, const CaseActions& actions,
                        std::function<void(const QString&)> open,
                        std::function<QByteArray()> caseBytes) {
  QObject::connect(actions.open, &QAction::triggered, screen, [screen, open] {
    const QString path = AskCaseToOpen(screen);
    if (!path.isEmpty())
      open(path);
  });
  QObject::connect(actions.save, &QAction::triggered, screen, [screen, caseBytes] {
    const QString path = AskCaseToSave(screen);
    if (!path.isEmpty())
      WriteCaseFile(screen, path, caseBytes());
  });
  AcceptCaseDrops(screen, std::move(open));
}

QString CaptionValueLines(const QStringList& captions, const QStringList& values) {
  QString text;
  for (qsizetype i = 0; i < captions.size() && i < values.size(); ++i)
    text += captions[i].trimmed() + '\t' + values[i].trimmed() + '\n';
  return text;
}

void CopyText(const QString& text) {
  QApplication::clipboard()->setText(text);
}
