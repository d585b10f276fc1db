#include "window_fixture.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>

#include "field_combo.h"

namespace {

QLineEdit* editorOf(QWidget* field) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) return combo->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

}  // namespace

void WindowTest::startAt(const std::string& dateText, const std::string& timeText) {
    auto recording = std::make_unique<zenlith::test::RecordingPrinter>(printerAnswer);
    printer = recording.get();
    window = std::make_unique<zenlith::MainWindow>(messages, std::move(recording));
    window->startUp(zenlith::FixedClock(dateText, timeText), std::chrono::milliseconds(0));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

QLineEdit* WindowTest::year() const {
    return window->findChild<QLineEdit*>(QStringLiteral("Text1"));
}
zenlith::FieldCombo* WindowTest::month() const {
    return window->findChild<zenlith::FieldCombo*>(QStringLiteral("Combo1"));
}
zenlith::FieldCombo* WindowTest::day() const {
    return window->findChild<zenlith::FieldCombo*>(QStringLiteral("Combo2"));
}
zenlith::FieldCombo* WindowTest::hour() const {
    return window->findChild<zenlith::FieldCombo*>(QStringLiteral("Combo3"));
}
zenlith::FieldCombo* WindowTest::minute() const {
    return window->findChild<zenlith::FieldCombo*>(QStringLiteral("Combo4"));
}
QCheckBox* WindowTest::summerTime() const {
    return window->findChild<QCheckBox*>(QStringLiteral("Check4"));
}
QLineEdit* WindowTest::calendarLine() const {
    return window->findChild<QLineEdit*>(QStringLiteral("Text6"));
}
QPlainTextEdit* WindowTest::report() const {
    return window->findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
}
QWidget* WindowTest::chart() const {
    return window->findChild<QWidget*>(QStringLiteral("Frame5"));
}
QLabel* WindowTest::label(const char* name) const {
    return window->findChild<QLabel*>(QString::fromLatin1(name));
}

QString WindowTest::textOf(const QWidget* field) {
    return editorOf(const_cast<QWidget*>(field))->text();
}

void WindowTest::paste(QWidget* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    editorOf(field)->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

void WindowTest::type(QWidget* field, const QString& text) {
    field->setFocus();
    editorOf(field)->selectAll();
    if (text.isEmpty()) {
        QTest::keyClick(field, Qt::Key_Backspace);
        return;
    }
    // QTest spells out ASCII keys only; other characters come as key events
    // carrying their text, as an input method delivers them.
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(field, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void WindowTest::erase(QWidget* field) {
    type(field, QString());
}

void WindowTest::pickEntry(QComboBox* combo, int index) {
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    list->setCurrentIndex(combo->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
    QCoreApplication::processEvents();  // as after any real pick
}

void WindowTest::pressCompute() {
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
}

void WindowTest::enterInstant(const zenlith::FieldTexts& fields) {
    type(month(), QString::fromStdString(fields.month));
    type(day(), QString::fromStdString(fields.day));
    type(hour(), QString::fromStdString(fields.hour));
    type(minute(), QString::fromStdString(fields.minute));
    type(year(), QString::fromStdString(fields.year));
    summerTime()->setChecked(fields.summerTime);
}
