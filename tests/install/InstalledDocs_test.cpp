// The man pages and the bash completion as installed.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include "install/InstalledProgram.h"

namespace orvex::testing {
namespace {

TEST(InstalledDocs, ManPagesRenderWithoutWarnings) {
    if (QStandardPaths::findExecutable(QStringLiteral("man")).isEmpty()) {
        GTEST_SKIP() << "man is not installed (package man-db; scripts/deps installs it)";
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    for (const char* page : {"orvex-sk", "orvexctl", "orvex-virtual-mouse"}) {
        const QString file = Installed(std::string("share/man/man1/") + page + ".1.gz");
        const ProgramRun man =
            RunProgram(QStringLiteral("man"),
                       {QStringLiteral("--warnings"), QStringLiteral("-l"), file}, environment);
        EXPECT_EQ(man.exitCode, 0) << page;
        EXPECT_EQ(man.err, QString()) << page << ": " << man.err.toStdString();
        EXPECT_TRUE(man.out.contains(QStringLiteral("NAME"))) << page;
        EXPECT_TRUE(man.out.contains(QString::fromLatin1(page) + QStringLiteral(" -"))) << page;
    }
}

class InstalledCompletion : public ::testing::Test {
  protected:
    // What the completion offers for the words typed so far, the last one being completed.
    static QStringList Offered(const QString& typed) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PATH"),
                           Installed("bin") + u':' + environment.value(QStringLiteral("PATH")));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral("/nonexistent"));
        const QString script = QStringLiteral(
            "source \"$1\" && complete -p orvexctl >/dev/null && "
            "COMP_WORDS=($2) && [[ $2 == *' ' ]] && COMP_WORDS+=('') ; "
            "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)) && _orvexctl && "
            "printf '%s\\n' \"${COMPREPLY[@]}\"");
        const ProgramRun run = RunProgram(
            QStringLiteral("bash"),
            {QStringLiteral("--norc"), QStringLiteral("-c"), script, QStringLiteral("bash"),
             Installed("share/bash-completion/completions/orvexctl"), typed},
            environment);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return run.out.split(u'\n', Qt::SkipEmptyParts);
    }

    // The commands `orvexctl --help` lists.
    static QStringList HelpCommands() {
        const ProgramRun help = RunProgram(Installed("bin/orvexctl"), {QStringLiteral("--help")});
        const QString text = help.out.mid(help.out.indexOf(QStringLiteral("Subcommands:")));
        QStringList commands;
        const QRegularExpression line(QStringLiteral("^  ([a-z-]+)\\s"),
                                      QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(text); it.hasNext();) {
            commands << it.next().captured(1);
        }
        return commands;
    }
};

TEST_F(InstalledCompletion, OffersEveryCommandOrvexctlHas) {
    QStringList offered = Offered(QStringLiteral("orvexctl "));
    QStringList commands = HelpCommands();
    ASSERT_FALSE(commands.isEmpty());
    offered.sort();
    commands.sort();
    EXPECT_EQ(offered, commands);
}

TEST_F(InstalledCompletion, CompletesSubcommandsOptionsSlotsAndProfileKeys) {
    EXPECT_EQ(Offered(QStringLiteral("orvexctl prof")), QStringList{QStringLiteral("profile")});
    EXPECT_EQ(Offered(QStringLiteral("orvexctl profile g")), QStringList{QStringLiteral("get")});
    EXPECT_TRUE(Offered(QStringLiteral("orvexctl info --")).contains(QStringLiteral("--json")));
    EXPECT_TRUE(Offered(QStringLiteral("orvexctl profile get ")).contains(QStringLiteral("3")));
    // The keys come from the installed orvexctl itself.
    EXPECT_EQ(Offered(QStringLiteral("orvexctl --simulate profile set 2 lightingE")),
              QStringList{QStringLiteral("lightingEffect")});
    EXPECT_TRUE(Offered(QStringLiteral("orvexctl sim set ")).contains(QStringLiteral("unplugged")));
}

}  // namespace
}  // namespace orvex::testing
