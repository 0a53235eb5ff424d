// What a screen reader announces: every control a user can type into, read a
// result from, tick, choose or press has a name, found through the same
// accessibility interfaces an assistive technology queries.

#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <QtTest>

#include "design/ui/Arangem.h"
#include "design/ui/Combi2.h"
#include "design/ui/Crosmix.h"
#include "design/ui/Linearr.h"
#include "design/ui/Other1.h"
#include "design/ui/Other2.h"
#include "design/ui/Pressu.h"
#include "design/ui/Result2.h"
#include "design/ui/Stagearr.h"
#include "shell/Main.h"
#include "shell/Screens.h"
#include "thermal/ui/Combi1.h"
#include "thermal/ui/Result1.h"

namespace {

bool NeedsName(QAccessible::Role role) {
  switch (role) {
    case QAccessible::EditableText:  // entry fields and read-only result fields
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::PushButton:
    case QAccessible::PageTab:
    case QAccessible::Grouping:  // radio groups
      return true;
    default:
      return false;
  }
}

QString Describe(QAccessibleInterface* node) {
  QObject* object = node->object();
  const QString name = object ? object->objectName() : QString();
  return QStringLiteral("%1 (role %2)")
      .arg(name.isEmpty() && object ? object->metaObject()->className() : name)
      .arg(static_cast<int>(node->role()));
}

// Without a name of its own, a field inside a group box is announced by the
// group's title, which does not tell one field of the group from another.
bool NamedOnlyByItsGroup(QAccessibleInterface* node, const QString& name) {
  if (node->role() == QAccessible::Grouping || node->role() == QAccessible::PageTab)
    return false;
  auto* widget = qobject_cast<QWidget*>(node->object());
  auto* group = widget ? qobject_cast<QGroupBox*>(widget->parentWidget()) : nullptr;
  return group && QString(group->title()).remove('&') == name;
}

// Adds every control below `node` that needs a name and has none.
void CollectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed,
                    int& checked) {
  if (NeedsName(node->role())) {
    ++checked;
    const QString name = node->text(QAccessible::Name).trimmed();
    if (name.isEmpty() || NamedOnlyByItsGroup(node, name))
      unnamed << path + "/" + Describe(node);
  }
  for (int i = 0; i < node->childCount(); ++i) {
    if (QAccessibleInterface* child = node->child(i))
      CollectUnnamed(child, path + "/" + Describe(node), unnamed, checked);
  }
}

QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
  return node ? node->text(QAccessible::Name) : QString();
}

QLineEdit* Field(QWidget* screen, const char* name) {
  auto* field = screen->findChild<QLineEdit*>(name);
  if (!field)
    qFatal("missing %s", name);
  return field;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QApplication::setQuitOnLastWindowClosed(false);
    CreateScreens();
  }

  void everyControlHasAName_data() {
    QTest::addColumn<QWidget*>("screen");
    QTest::newRow("Mainform") << static_cast<QWidget*>(Mainform);
    QTest::newRow("Combi1Dlg") << static_cast<QWidget*>(Combi1Dlg);
    QTest::newRow("Results1") << static_cast<QWidget*>(Results1);
    QTest::newRow("Combi2Dlg") << static_cast<QWidget*>(Combi2Dlg);
    QTest::newRow("Results2") << static_cast<QWidget*>(Results2);
    QTest::newRow("Pressdlg") << static_cast<QWidget*>(Pressdlg);
    QTest::newRow("Other1dlg") << static_cast<QWidget*>(Other1dlg);
    QTest::newRow("Other2dlg") << static_cast<QWidget*>(Other2dlg);
    QTest::newRow("Crossmix") << static_cast<QWidget*>(Crossmix);
    QTest::newRow("Inlinedlg") << static_cast<QWidget*>(Inlinedlg);
    QTest::newRow("Staggerdlg") << static_cast<QWidget*>(Staggerdlg);
    QTest::newRow("Arrangem") << static_cast<QWidget*>(Arrangem);
  }

  // Hidden controls (the other notebook pages, optional result groups) are in
  // the tree too, so one walk covers every state of a screen.
  void everyControlHasAName() {
    QFETCH(QWidget*, screen);
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(screen);
    QVERIFY(root);
    QStringList unnamed;
    int checked = 0;
    CollectUnnamed(root, QString(), unnamed, checked);
    QVERIFY2(checked > 0, "the walk reached no control");
    QVERIFY2(unnamed.isEmpty(), qPrintable("without a name:\n" + unnamed.join('\n')));
  }

  // A sample of fields, each named by the caption the user sees beside it.
  void fieldsAreNamedByTheirCaptions() {
    // A prompt label beside an entry field.
    QCOMPARE(AccessibleName(Field(Combi1Dlg, "Edit1")),
             Combi1Dlg->findChild<QWidget*>("Label1")->property("text").toString());
    // A field whose caption is the check box that marks it unknown.
    auto* box = Combi1Dlg->findChild<QWidget*>("CheckBox2");
    QVERIFY(box);
    QCOMPARE(AccessibleName(Field(Combi1Dlg, "Edit2")),
             box->property("text").toString().remove('&'));
    // A read-only result field.
    QCOMPARE(AccessibleName(Field(Results1, "Edit1")),
             Results1->findChild<QWidget*>("Label1")->property("text").toString());
  }

  void notebookPagesAreNamedByTheirCaptions() {
    auto* notebook = Combi2Dlg->findChild<QTabWidget*>("TabbedNotebook1");
    QVERIFY(notebook);
    for (int i = 0; i < notebook->count(); ++i)
      QCOMPARE(AccessibleName(notebook->widget(i)), notebook->tabText(i).remove('&'));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "Accessibility_test.moc"
