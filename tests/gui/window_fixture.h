#pragma once
// One main window per test, started from a given clock with no splash pause,
// shown offscreen, its messages recorded. Fields are worked the way a user
// works them: keystrokes, and picks from the drop-down list.
#include <QString>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "compute_action.h"
#include "clock.h"
#include "main_window.h"
#include "recording_message_box.h"
#include "recording_printer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace zenlith {
class FieldCombo;
}

class WindowTest : public ::testing::Test {
protected:
    void startAt(const std::string& dateText, const std::string& timeText);

    QLineEdit* year() const;
    zenlith::FieldCombo* month() const;
    zenlith::FieldCombo* day() const;
    zenlith::FieldCombo* hour() const;
    zenlith::FieldCombo* minute() const;
    QCheckBox* summerTime() const;
    QLineEdit* calendarLine() const;
    QPlainTextEdit* report() const;
    QWidget* chart() const;
    QLabel* label(const char* name) const;

    // Replaces the field's whole text by typing `text` over it.
    void type(QWidget* field, const QString& text);
    // Replaces the field's whole text by pasting `text` over it.
    void paste(QWidget* field, const QString& text);
    // Selects all and deletes it with the keyboard.
    void erase(QWidget* field);
    // Picks the list entry through the open drop-down list.
    void pickEntry(QComboBox* combo, int index);
    void pressCompute();
    // Types the date and time into the fields, the year last so that an
    // empty year closes no field before it is typed.
    void enterInstant(const zenlith::FieldTexts& fields);

    static QString textOf(const QWidget* field);

    RecordingMessageBox messages;
    // Every window prints into a recording printer giving this answer.
    zenlith::PrintStatus printerAnswer = zenlith::PrintStatus::printed;
    zenlith::test::RecordingPrinter* printer = nullptr;
    std::unique_ptr<zenlith::MainWindow> window;
};
