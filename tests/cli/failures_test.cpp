// What goes wrong is said in one line that names what to fix, with a
// non-zero status, nothing on standard output and no file left behind.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "program_run.h"

namespace zenlith::cli {
namespace {

namespace fs = std::filesystem;

// One line, and a second for the window's own Hebrew words when it gives them.
void expectOneLineError(const ProgramResult& result, int status, const std::string& fragment) {
    EXPECT_EQ(result.status, status) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.starts_with("zenlith-ephemeris: ")) << result.err;
    const bool windowSays = result.err.find("; the window says:\n") != std::string::npos;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), windowSays ? 2 : 1) << result.err;
    EXPECT_FALSE(mixesLanguagesInALine(result.err)) << result.err;
    EXPECT_NE(result.err.find(fragment), std::string::npos) << result.err << " lacks " << fragment;
}

// Which texts each option refuses is the units' own test; here each message.
TEST(EphemerisFailures, ArgumentMistakesNameTheOption) {
    struct Case {
        std::vector<std::string> arguments;
        int status;  // 2 for the command line's own mistakes
        std::string fragment;
    };
    const Case cases[] = {
        {{"--step", "0m", "--from", "2020-01-01", "--to", "2020-01-02"}, 2, "--step must be a positive duration"},
        {{"--from", "2020-01-01"}, 2, "--from needs --to"},
        {{"--to", "2020-01-01"}, 2, "--to needs --from"},
        {{"--step", "1h"}, 2, "--step needs --from and --to"},
        {{"--from", "2020-01-02", "--to", "2020-01-01"}, 2, "--to must not be before --from"},
        {{"--from", "-5-01-01", "--to", "5-01-01"}, 1, "passes through year 0"},
        {{"--at", "2020-01-01", "--from", "2020-01-01", "--to", "2020-01-02"}, 2, "--at cannot be combined"},
        {{"--at", "yesterday"}, 2, "--at: \"yesterday\" is not an instant"},
        {{"--at", "2020-01-01 12:00:30"}, 2, "--at"},
        {{"--at"}, 2, "--at needs a value"},
        {{"--summer", "maybe", "--at", "2020-01-01"}, 2, "--summer must be auto, on or off"},
        {{"--model", "exact", "--at", "2020-01-01"}, 2, "--model must be classic or precise"},
        {{"--format", "xml", "--at", "2020-01-01"}, 2, "--format must be csv, tsv, json or text"},
        {{"--bodies", "sun,pluto", "--at", "2020-01-01"}, 2, "--bodies: \"pluto\" is not one of"},
        {{"--bodies", "sun,,moon", "--at", "2020-01-01"}, 2, "--bodies: \"\" is not one of"},
        {{"--fields", "ra,ra", "--at", "2020-01-01"}, 2, "--fields names \"ra\" twice"},
        {{"--format", "csv", "--format", "tsv", "--at", "2020-01-01"}, 2, "--format is given twice"},
        {{"--output=", "--at", "2020-01-01"}, 2, "--output needs a file name"},
        {{"--output", "/", "--at", "2020-01-01"}, 1, "--output \"/\" is a directory"},
        {{"--output", "/nonexistent-folder/t.csv", "--at", "2020-01-01"}, 1, "--output cannot create"},
        {{"--place", "Atlantis", "--at", "2020-01-01"}, 2, "--place: no place is called \"Atlantis\""},
        {{"--place", "Kefar", "--at", "2020-01-01"}, 2, "--place: \"Kefar\" may be"},
        {{"--place", "Eilat", "--lat", "31", "--at", "2020-01-01"}, 2, "--place cannot be combined"},
        {{"--lat", "91", "--lon", "0", "--at", "2020-01-01"}, 2, "--lat: \"91\" is not degrees from -90 to 90"},
        {{"--lat", "nan", "--lon", "0", "--at", "2020-01-01"}, 2, "--lat: \"nan\" is not degrees"},
        {{"--lat", "10", "--lon", "35°13′N", "--at", "2020-01-01"}, 2, "--lon"},
        {{"--lat", "31", "--at", "2020-01-01"}, 2, "needs both --lat and --lon"},
        {{"--lat", "0", "--lon", "0", "--height", "1e9", "--at", "2020-01-01"}, 2, "--height must be metres"},
        {{"--lat", "0", "--lon", "0", "--tz", "Mars/Olympus", "--at", "2020-01-01"}, 1, "has no zone \"Mars/Olympus\""},
        {{"--output", "/dev/null", "--at", "2020-01-01"}, 1, "--output \"/dev/null\" is not a regular file"},
        {{"--colour"}, 2, "unknown option \"--colour\""},
        {{"--at\n2020-01-01"}, 2, "unknown option \"--at\\x0a2020-01-01\""},
        {{"2020-01-01"}, 2, "unexpected argument \"2020-01-01\""},
        {{"--events"}, 2, "--events needs its dates"},
        {{"--events", "--format", "csv", "--at", "2020-01-01"}, 2, "--events prints --format text or json"},
        {{"--events", "--summer", "on", "--at", "2020-01-01"}, 2, "--events follows the place's clock"},
        {{"--next", "--kinds", "phases,comets"}, 2, "--kinds: \"comets\" is not one of"},
        {{"--kinds", "phases"}, 2, "--kinds needs --next"},
        {{"--zmanim", "--at", "2020-01-01"}, 2, "--zmanim needs --events or --almanac"},
        {{"--dip", "--at", "2020-01-01"}, 2, "--dip needs --events"},
        {{"--events", "--havdalah", "72", "--at", "2020-01-01"}, 2, "--havdalah needs --zmanim"},
        {{"--events", "--zmanim", "--candle-minutes", "61", "--at", "2020-01-01"}, 2, "--candle-minutes must be"},
        {{"--events", "--zmanim", "--candle-minutes", "-1", "--at", "2020-01-01"}, 2, "--candle-minutes must be"},
        {{"--events", "--zmanim", "--havdalah", "50", "--at", "2020-01-01"}, 2, "--havdalah must be tzeit"},
        {{"--next", "--events"}, 2, "--next and --events cannot be combined"},
        {{"--next", "--at", "2020-01-01"}, 2, "--next takes its span from --from and --to"},
        {{"--next", "--from", "2020-01-01", "--to", "2020-02-01", "--step", "1d"}, 2, "--next takes no --step"},
        {{"--next", "--format", "tsv"}, 2, "--next prints --format text, csv or json"},
        {{"--next", "--to", "2020-01-01"}, 2, "--to needs --from"},
        {{"--next", "--from", "2020-02-01", "--to", "2020-01-01"}, 1, "--to must come after --from"},
        {{"--next", "--from", "0999-12-01", "--to", "1000-02-01"}, 1, "covers the years 1000 to 2999"},
        {{"--events", "--bodies", "sun", "--at", "2020-01-01"}, 2, "--events prints every event; leave out --bodies"},
        {{"--fields=az", "--events", "--at", "2020-01-01"}, 2, "--events prints every event; leave out --fields"},
        {{"--events", "--full", "--at", "2020-01-01"}, 2, "leave out --full"},
        {{"--events", "--at", "2023-02-30"}, 1, "2023-02-30 is not a day of the calendar"},
        {{"--events", "--model", "precise", "--at", "0999-06-01"}, 1, "1000"},
        {{"--from", "2026-01", "--to", "2026-02"}, 2, "--from: a month is read only with --almanac"},
        {{"--almanac", "--from", "2026-13", "--to", "2027-01"}, 2, "--from: \"2026-13\" is not a month"},
        {{"--almanac", "--from", "2026-01-01", "--to", "2026-02-01"}, 2, "--almanac takes months"},
        {{"--almanac", "--from", "2026-01"}, 2, "--almanac needs its months"},
        {{"--almanac", "--from", "2026-03", "--to", "2026-02"}, 2, "--to comes before --from"},
        {{"--almanac", "--events", "--from", "2026-01", "--to", "2026-01"}, 2, "cannot be combined"},
        {{"--almanac", "--format", "tsv", "--from", "2026-01", "--to", "2026-01"}, 2, "text, csv or json"},
        {{"--almanac", "--bodies", "sun", "--from", "2026-01", "--to", "2026-01"}, 2, "its own columns"},
        {{"--almanac", "--model", "precise", "--from", "0999-12", "--to", "1000-01"}, 1, "1000"},
        {{"--events", "--model", "precise", "--at", "3000-01-02"}, 1, "2999"},
        {{"--events", "--at", "2024-01-01 25:99"}, 1, "2024-01-01 25:99 is not a time of the day"},
        {{"--events", "--at", "2024-01-01 10:60"}, 1, "2024-01-01 10:60 is not a time of the day"},
        {{"--events", "--at", "1500-02-29"}, 1, "1500-02-29 is not a day of the calendar"},
        {{"--stars"}, 2, "--stars needs its instants"},
        {{"--mag-limit", "3", "--at", "2020-01-01"}, 2, "--mag-limit needs --stars"},
        {{"--stars", "--mag-limit", "nan", "--at", "2020-01-01"}, 2, "--mag-limit must be a magnitude"},
        {{"--stars", "--mag-limit", "4.5x", "--at", "2020-01-01"}, 2, "--mag-limit must be a magnitude"},
        {{"--stars", "--mag-limit", "1e9", "--at", "2020-01-01"}, 2, "--mag-limit must be a magnitude"},
        {{"--stars", "--events", "--at", "2020-01-01"}, 2, "--stars cannot be combined with --events"},
        {{"--stars", "--bodies", "sun", "--at", "2020-01-01"}, 2, "leave out --bodies"},
        {{"--stars", "--at", "2023-02-30"}, 1, "--stars 2023-02-30 00:00: not a day"},
    };
    for (const Case& c : cases) {
        expectOneLineError(runProgram(c.arguments), c.status, c.fragment);
    }
}

TEST(EphemerisFailures, HostileStandardInputIsRefusedAtItsLine) {
    std::string junk;
    for (int c = 0; c < 256; ++c) junk += static_cast<char>(c);
    expectOneLineError(runProgram({}, junk), 1, "standard input line 1 \"\\x00\\x01");
    expectOneLineError(runProgram({}, std::string(1 << 20, '7')), 1, "standard input line 1 is longer than any instant");
    expectOneLineError(runProgram({}, "\n2020-01-01 10:00\n"), 1, "standard input line 1 is empty");
    expectOneLineError(runProgram({}, std::string("2020-01-01\0 10:00\n", 18)), 1,
                       "line 1 \"2020-01-01\\x00 10:00\" is not an instant");
    // Rows before the bad line are printed; the message names the line.
    const ProgramResult later = runProgram({"--format", "csv"}, "2020-01-01 10:00\n2020-01-01 11:00\n\n");
    EXPECT_EQ(later.status, 1);
    EXPECT_EQ(std::count(later.out.begin(), later.out.end(), '\n'), 1 + 2 * 9);
    EXPECT_NE(later.err.find("standard input line 3 is empty"), std::string::npos) << later.err;
    // No input at all is an empty table, not a mistake.
    const ProgramResult nothing = runProgram({"--format", "csv"}, "");
    EXPECT_EQ(nothing.status, 0);
    EXPECT_TRUE(nothing.out.starts_with("time,utc_offset,body,ra,")) << nothing.out;
}

TEST(EphemerisFailures, AFullDiskIsReported) {
    expectOneLineError(runProgram({"--at", "2020-01-01"}, {}, "/dev/full"), 1, "No space left on device");
}

class OutputFolder : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("zenlith-cli-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
        return names;
    }
    fs::path folder;
};

TEST_F(OutputFolder, AFailedRunLeavesNoFileAndKeepsTheOldOne) {
    const std::string table = (folder / "moon.csv").string();
    const ProgramResult failed = runProgram({"--output", table, "--format", "csv"}, "2020-01-01 10:00\nlater\n");
    expectOneLineError(failed, 1, "standard input line 2");
    EXPECT_TRUE(entries().empty());

    std::ofstream(table) << "old table\n";
    ::chmod(table.c_str(), 0640);
    EXPECT_EQ(runProgram({"--output", table, "--at", "2020-01-01", "--at", "2020-02-30"}).status, 1);
    EXPECT_EQ(entries(), std::vector<std::string>{"moon.csv"});
    std::ifstream old(table);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old table\n");

    const ProgramResult done = runProgram({"--output", table, "--at", "2020-01-01", "--format", "csv"});
    EXPECT_EQ(done.status, 0) << done.err;
    EXPECT_EQ(done.out, "");
    EXPECT_EQ(entries(), std::vector<std::string>{"moon.csv"});
    std::ifstream written(table, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(written), {});
    EXPECT_TRUE(text.starts_with("time,utc_offset,body,ra,decl,az,alt,rearth,mag,phase,diameter,lon,lat,age\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
    EXPECT_EQ(fs::status(table).permissions(), fs::perms(0640));
}

// A link is written through to its target and stays a link; a name as long
// as the file system takes is written too.
TEST_F(OutputFolder, LinksAreWrittenThroughAndLongNamesWork) {
    std::ofstream(folder / "old.csv") << "old table\n";
    fs::create_symlink("old.csv", folder / "to-old.csv");
    fs::create_symlink(folder / "new.csv", folder / "to-new.csv");
    const std::string longest(255, 'n');
    for (const char* name : {"to-old.csv", "to-new.csv", longest.c_str()}) {
        const ProgramResult done = runProgram({"--output", (folder / name).string(), "--at", "2020-01-01", "--format", "csv"});
        EXPECT_EQ(done.status, 0) << done.err;
    }
    EXPECT_TRUE(fs::is_symlink(folder / "to-old.csv"));
    EXPECT_TRUE(fs::is_symlink(folder / "to-new.csv"));
    for (const std::string name : {"old.csv", "new.csv", longest.c_str()}) {
        std::ifstream written(folder / name, std::ios::binary);
        EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(written), {}).starts_with("time,utc_offset,")) << name;
    }
    EXPECT_EQ(entries().size(), 5u);
}

// Ctrl+C stops cleanly; even a run killed outright leaves no file behind.
TEST_F(OutputFolder, AStoppedRunLeavesNoFile) {
    const std::string table = (folder / "years.csv").string();
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGKILL, 128 + SIGKILL}}) {
        EXPECT_EQ(interruptProgram({"--from", "1000-01-01", "--to", "9000-01-01", "--step", "1m", "--format", "csv",
                                    "--output", table},
                                   700, signal),
                  status);
        EXPECT_TRUE(entries().empty());
    }
}

}  // namespace
}  // namespace zenlith::cli
