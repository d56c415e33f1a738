#include "ui/DesktopEntry.h"

#include <gtest/gtest.h>

using zorvane::ui::ExecProgram;

TEST(DesktopEntry, ProgramOfTheExecKey) {
    EXPECT_EQ(ExecProgram("[Desktop Entry]\nName=Nav\nExec=/usr/lib/nav/nav %u\n"),
              "/usr/lib/nav/nav");
    EXPECT_EQ(ExecProgram("[Desktop Entry]\r\nExec = \"/opt/My Nav/nav\" --new %U\r\n"),
              "/opt/My Nav/nav");
    EXPECT_EQ(ExecProgram("[Desktop Action new]\nExec=other\n[Desktop Entry]\nExecutable=x\n"
                          "Exec=nav\n"),
              "nav");
    EXPECT_EQ(ExecProgram("Exec=nav\n"), std::nullopt);
}
