#include "logbook/cli/log_commands.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace orvanta {
namespace {

struct CommandRun {
    int status;
    std::string out, err;
};

CommandRun run(std::vector<std::string> arguments)
{
    std::ostringstream out, err;
    const int status = runLogCommand(arguments, out, err);
    return {status, out.str(), err.str()};
}

// Import, list and export on one log, as an upload script from cron would.
TEST(LogCommands, ImportListAndExportWithTheirStatuses)
{
    QTemporaryDir dir;
    const std::string log = dir.filePath("journal.sqlite").toStdString();
    const std::string adi = dir.filePath("in.adi").toStdString();
    QFile in(QString::fromStdString(adi));
    in.open(QIODevice::WriteOnly);
    in.write("<CALL:5>F4ABC<QSO_DATE:8>20260620<TIME_ON:6>071203<SAT_NAME:5>FO-29<FREQ:7>145.915<NAME:10>Jean, Paul<EOR>\n"
             "<CALL:5>G0XYZ<QSO_DATE:8>20260627<TIME_ON:4>1940<SAT_NAME:5>AO-91<EOR>\n"
             "<CALL:4>W1AW<QSO_DATE:8>2026062<TIME_ON:4>1940<EOR>\n");
    in.close();

    const CommandRun imported = run({"import", adi, "--database", log});
    EXPECT_EQ(imported.status, 1) << "a damaged record was skipped";
    EXPECT_NE(imported.err.find("enregistrement 3"), std::string::npos) << imported.err;
    EXPECT_NE(imported.out.find("2 contact(s)"), std::string::npos) << imported.out;
    EXPECT_NE(run({"import", adi, "--database", log}).out.find("2 déjà"), std::string::npos);

    const CommandRun listed = run({"list", "--call", "f4abc", "--database", log});
    EXPECT_EQ(listed.status, 0);
    EXPECT_NE(listed.out.find("2026-06-20T07:12:03Z,F4ABC,FO-29,,145.915,"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("\"Jean, Paul\""), std::string::npos) << listed.out;

    const std::string out = dir.filePath("out.adi").toStdString();
    ASSERT_EQ(run({"export", "--adif", out, "--since", "2026-06-27", "--database", log}).status, 0);
    QFile exported(QString::fromStdString(out));
    exported.open(QIODevice::ReadOnly);
    const QByteArray text = exported.readAll();
    EXPECT_TRUE(text.contains("<CALL:5>G0XYZ"));
    EXPECT_FALSE(text.contains("F4ABC"));

    const std::vector<std::vector<std::string>> bad{{},
                                                    {"export"},
                                                    {"export", "--adif", out, "--since", "27/06/2026"},
                                                    {"import"},
                                                    {"list", "--sat", "FO-29"},
                                                    {"delete"}};
    for (const auto &arguments : bad)
        EXPECT_EQ(run(arguments).status, 2);
    EXPECT_EQ(run({"list", "--database", dir.filePath("absent/x/../../in.adi").toStdString()}).status, 1);
}

} // namespace
} // namespace orvanta
