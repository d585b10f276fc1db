// The sky map window on its own document: a click on a star tells when it
// rises (Astronomy Engine, npm astronomy-engine 2.1.19, puts Sirius' rise at
// 32 N 35 E on 7 December 2026 at 18:00:47 UT, 20:01 Israel's winter time),
// zoom and Home, saving as PNG, SVG and PDF without leaving half a file,
// printing, and its choices kept in the settings.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "zone_clock_rules.h"
#include "recording_message_box.h"
#include "recording_printer.h"
#include "sky_map_window.h"
#include "star_catalogue.h"

namespace {

class SkyMapWindowTest : public ::testing::Test {
protected:
    SkyMapWindowTest() : settings(folder.filePath(QStringLiteral("zenlith.conf")), QSettings::IniFormat) {
        zenlith::SkyState state;
        state.entered = zenlith::CivilDateTime{2026, 12, 7, 22, 0};
        state.instant = 2461382.333333;  // 20:00 UT
        document.setComputed(state);
    }
    std::unique_ptr<zenlith::SkyMapWindow> open() {
        auto window = std::make_unique<zenlith::SkyMapWindow>(document, settings, printer, messages);
        window->resize(900, 700);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return window;
    }

    QTemporaryDir folder;
    QSettings settings;
    const zenlith::ClockRules& rules = zenlith::israelClockRules();
    zenlith::SkyDocument document{rules};
    zenlith::test::RecordingPrinter printer;
    RecordingMessageBox messages;
};

TEST_F(SkyMapWindowTest, AClickOnAStarTellsWhenItRises) {
    auto window = open();
    const auto sirius = zenlith::stars::catalogueIndexOf(2491);
    const auto& stars = window->view().scene().stars;
    const auto shown = std::find_if(stars.begin(), stars.end(), [&](const auto& s) { return s.catalogueIndex == *sirius; });
    ASSERT_NE(shown, stars.end());
    QTest::mouseClick(&window->view(), Qt::LeftButton, {}, QPoint(qRound(shown->at.x), qRound(shown->at.y)));
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_TRUE(messages.shown[0].prompt.starts_with("סיריוס: זריחה 20:01")) << messages.shown[0].prompt;
}

TEST_F(SkyMapWindowTest, ZoomsSavesPrintsAndRemembers) {
    auto window = open();
    QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_GT(window->view().zoom(), 1);
    QTest::keyClick(window.get(), Qt::Key_Home);
    EXPECT_EQ(window->view().zoom(), 1);

    // Each file is of the kind its name says.
    for (const auto& [name, mark] : {std::pair{"map.png", "\x89PNG"}, {"map.svg", "<svg"}, {"map.pdf", "%PDF"}}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        ASSERT_TRUE(window->saveAs(path)) << name;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.read(400).contains(mark)) << name;
    }
    // A folder that cannot take the file leaves nothing behind.
    EXPECT_FALSE(window->saveAs(folder.filePath(QStringLiteral("missing/map.png"))));

    window->print();
    ASSERT_EQ(printer.delivered.size(), 1U);
    EXPECT_EQ(std::get<QImage>(printer.delivered[0].items.at(0)).size(), QSize(1600, 1000));

    window->findChild<QComboBox*>()->setCurrentIndex(1);
    for (QCheckBox* box : window->findChildren<QCheckBox*>()) box->setChecked(false);
    window.reset();
    auto again = open();
    EXPECT_EQ(again->view().projectionKind(), zenlith::sky_map::ProjectionKind::horizonStrip);
    for (QCheckBox* box : again->findChildren<QCheckBox*>()) EXPECT_FALSE(box->isChecked()) << box->text().toStdString();
    EXPECT_TRUE(again->view().scene().labels.empty() ||
                std::all_of(again->view().scene().labels.begin(), again->view().scene().labels.end(),
                            [](const auto& l) { return l.kind == zenlith::sky_map::LabelKind::body; }));
}

}  // namespace
