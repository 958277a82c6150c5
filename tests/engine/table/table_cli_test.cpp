#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

namespace {

struct CalcRun {
    int status = -1;
    std::string out;
};

CalcRun Calc(const std::string& arguments) {
    CalcRun run;
    const std::string command = std::string(QUILLUX_CALC) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

const std::string kData = std::string(QUILLUX_TEST_DATA) + "/tables/";

}  // namespace

TEST(TableCommand, CheckCountsRecordsOfAHandWrittenFile) {
    const CalcRun run =
        Calc("table check --kind fixture --file " + kData + "hand_written_fixtures.csv");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{\"records\":2}\n");
}

TEST(TableCommand, ConvertWritesTheTableFormatWithDerivedFieldsInFileOrder) {
    const CalcRun run = Calc("table convert --kind fixture --file " + kData +
                             "hand_written_fixtures.csv --to export");
    ASSERT_EQ(run.status, 0);
    const std::string header = run.out.substr(0, run.out.find("\r\n"));
    EXPECT_EQ(header.rfind("\"FixtureName\",\"Manufacturer\",", 0), 0u);
    const std::string first = run.out.substr(
        header.size() + 2, run.out.find("\r\n", header.size() + 2) - header.size() - 2);
    // Name with comma, quotes and "%"; "true" in lower case is false; mFMax from BeamMax 30.
    EXPECT_EQ(first,
              "\"Spot, \"\"Pro\"\" 100%%\",,,,\"Mode 1\",,,\"30\",,,,\"0\",,,\"575\",,,,,,,,\"0\","
              "\"0.535898384862245\",,\"False\",,");
    EXPECT_NE(run.out.find("\"Wash\",,,,\"16ch\""), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "\r\n");
}

TEST(TableCommand, ANonNumberIsAnErrorNamingFileAndLine) {
    const CalcRun run = Calc("table check --kind loadlist --file " + kData + "bad_number.EL1");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("{\"error\":"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("bad_number.EL1"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("line 3"), std::string::npos) << run.out;
    const CalcRun convert =
        Calc("table convert --kind loadlist --to table --file " + kData + "bad_number.EL1");
    EXPECT_EQ(convert.status, 1);
    EXPECT_EQ(convert.out.rfind("{\"error\":", 0), 0u)
        << "nothing but the error on standard output";
}

TEST(TableCommand, BadUseIsExitTwo) {
    EXPECT_EQ(Calc("table check --kind lamp --file x").status, 2);
    EXPECT_EQ(Calc("table convert --kind dmx --file x").status, 2);  // --to missing
    EXPECT_EQ(Calc("table check --kind dmx --file /nonexistent/list.QXX").status, 1);
}
