// What a screen reader announces for the controls a user works.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "field_combo.h"
#include "window_fixture.h"

namespace {

QString announced(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(kind) : QString();
}

// The text of the label that labels the widget, as assistive technology
// finds it through the widget's relations.
QString labelOf(QWidget* widget) {
    for (const auto& [other, relation] : QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label)) {
        return other->text(QAccessible::Name);
    }
    return {};
}

class AccessibilityTest : public WindowTest {
protected:
    // Every input field, button, check box and text box of the window, but
    // not the editors inside the combo boxes, which speak through their box.
    QList<QWidget*> controls() const {
        QList<QWidget*> found;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QComboBox*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                                 qobject_cast<QPlainTextEdit*>(widget) ||
                                 (qobject_cast<QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget->parentWidget()));
            if (control) found << widget;
        }
        return found;
    }
};

// Every control has a name; the fields are named and labelled by their
// prompts; the report is described.
TEST_F(AccessibilityTest, ControlsAreNamedFieldsLabelledAndTheReportDescribed) {
    startAt("05/03/2024", "17:45:30");
    const QList<QWidget*> all = controls();
    EXPECT_EQ(all.size(), 11);  // five fields, the box, three buttons, Text6, Text2
    for (QWidget* control : all) {
        EXPECT_FALSE(control->accessibleName().trimmed().isEmpty()) << control->objectName().toStdString();
    }
    const struct {
        QWidget* field;
        QString name;
        QString prompt;
    } fields[] = {
        {year(), QStringLiteral("הכנס שנה"), QStringLiteral(": הכנס שנה")},
        {month(), QStringLiteral("הכנס חודש"), QStringLiteral(": הכנס חודש ")},
        {day(), QStringLiteral("הכנס יום"), QStringLiteral(": הכנס יום ")},
        {hour(), QStringLiteral("הכנס שעה"), QStringLiteral(": הכנס שעה")},
        {minute(), QStringLiteral("הכנס דקות"), QStringLiteral(": הכנס דקות")},
    };
    for (const auto& f : fields) {
        EXPECT_EQ(f.field->accessibleName(), f.name) << f.field->objectName().toStdString();
        EXPECT_EQ(labelOf(f.field), f.prompt) << f.field->objectName().toStdString();
    }
    EXPECT_EQ(announced(window->findChild<QPushButton*>(QStringLiteral("Command2")), QAccessible::Name),
              QStringLiteral("הדפסת פרמטרים"));
    EXPECT_FALSE(announced(report(), QAccessible::Description).trimmed().isEmpty());
}

}  // namespace
