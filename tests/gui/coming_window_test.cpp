// The coming events window on its own document: a year from the computed
// instant grouped by month, filtered by kind, and an activated event asks
// the document for its instant. Expected times are published ones: the US
// Naval Observatory's phases and NASA's eclipse catalogue, on Israel's clock.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "coming_window.h"
#include "zone_clock_rules.h"
#include "recording_printer.h"

namespace {

QTreeWidgetItem* rowStarting(QTreeWidget* list, const QString& start) {
    for (int m = 0; m < list->topLevelItemCount(); ++m) {
        for (int r = 0; r < list->topLevelItem(m)->childCount(); ++r) {
            if (list->topLevelItem(m)->child(r)->text(0).startsWith(start)) return list->topLevelItem(m)->child(r);
        }
    }
    return nullptr;
}

TEST(ComingWindowTest, ListsTheYearFiltersAndAsksForTheInstant) {
    const zenlith::ClockRules& rules = zenlith::israelClockRules();
    zenlith::SkyDocument document(rules);
    zenlith::SkyState state;
    state.instant = 2460310.5;  // 2024-01-01 0h UT
    document.setComputed(state);
    zenlith::test::RecordingPrinter printer;
    zenlith::ComingWindow window(document, printer);
    window.show();

    // The full Moon of 25 January 2024, 17:54 UT.
    EXPECT_TRUE(window.text().startsWith(QStringLiteral("ינואר 2024")));
    EXPECT_TRUE(window.text().contains(QStringLiteral("2024-01-25 19:54  ט״ו בשבט תשפ״ד  ירח מלא")));

    auto* kind = window.findChild<QComboBox*>();
    kind->setCurrentIndex(kind->count() - 1);  // the eclipses
    emit kind->activated(kind->currentIndex());
    const QStringList lines = window.text().split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        EXPECT_TRUE(!line.contains(QLatin1Char(':')) || line.contains(QStringLiteral("ליקוי"))) << line.toStdString();
    }

    // The penumbral lunar eclipse of 25 March 2024, greatest at 07:12:51 UT.
    auto* list = window.findChild<QTreeWidget*>();
    QTreeWidgetItem* eclipse = rowStarting(list, QStringLiteral("2024-03-25"));
    ASSERT_NE(eclipse, nullptr);
    std::optional<std::pair<zenlith::CivilDateTime, bool>> asked;
    QObject::connect(&document, &zenlith::SkyDocument::instantRequested,
                     [&](const zenlith::CivilDateTime& local, bool summer) { asked.emplace(local, summer); });
    list->setCurrentItem(eclipse);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_TRUE(asked.has_value());
    // To the minute, either side of 07:12:51.
    EXPECT_NEAR(zenlith::julianDateOf(asked->first), zenlith::julianDateOf({2024, 3, 25, 9, 13}), 1.5 / 1440);
    EXPECT_FALSE(asked->second);

    for (QPushButton* button : window.findChildren<QPushButton*>()) QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), window.text());
    ASSERT_EQ(printer.delivered.size(), 1U);
}

}  // namespace
