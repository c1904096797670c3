#include "ui/support/CSupportDlg.h"

#include <gtest/gtest.h>

#include <QTest>

#include "sim/VirtualMouseRig.h"
#include "ui/TestServices.h"
#include "ui/sensor/DialogSkin.h"
#include "ui/skin/CTavButton.h"

namespace orvex::ui {
namespace {

using testing::DialogSkin;

class CSupportDlgTest : public ::testing::Test {
  protected:
    DialogSkin skin;
    testing::TestServices services;
    sim::VirtualMouseRig& rig = services.mouse;
};

TEST_F(CSupportDlgTest, FirmwareTextTellsNoMouseFromAFailedReadFromAVersion) {
    struct Case {
        const char* name;
        std::function<void(sim::VirtualMouse&)> arrange;
        QString shown;
    };
    const Case cases[] = {
        {"default mouse", [](sim::VirtualMouse&) {}, QStringLiteral("1.22")},
        {"version 154", [](sim::VirtualMouse& m) { m.state().firmwareVersion = 154; },
         QStringLiteral("1.54")},
        {"unplugged", [](sim::VirtualMouse& m) { m.state().unplugged = true; },
         QStringLiteral("-.--")},
        {"read fails",
         [](sim::VirtualMouse& m) {
             m.faults().failedWrite = sim::TransferFault::Always(HidError::WriteFault);
         },
         QStringLiteral("0.00")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TestServices fresh;
        c.arrange(fresh.mouse.mouse);
        CSupportDlg page(fresh.services, nullptr);
        EXPECT_EQ(page.firmwareVersionText(), c.shown);
        EXPECT_EQ(page.softwareVersionText(), QStringLiteral("1.22"));
    }
}

TEST_F(CSupportDlgTest, HotPlugTextReplacesTheShownVersion) {
    CSupportDlg page(services.services, nullptr);
    page.SetFirmwareVersionText(QStringLiteral("-.--"));
    EXPECT_EQ(page.firmwareVersionText(), QStringLiteral("-.--"));
}

TEST_F(CSupportDlgTest, ButtonsOpenTheMakersPagesWithoutWaitingForTheBrowser) {
    CSupportDlg page(services.services, nullptr);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    EXPECT_EQ(page.size(), DialogSkin::kSupportSize);
    const int buttons[] = {CSupportDlg::kFaqId, CSupportDlg::kOnlineSupportId,
                           CSupportDlg::kCheckUpdatesId, CSupportDlg::kCheckFirmwareId};
    for (const int id : buttons) {
        CTavButton* button = page.button(id);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    QCoreApplication::processEvents();
    std::vector<QString> opened;
    for (const QUrl& url : services.openedUrls) {
        opened.push_back(url.toString());
    }
    EXPECT_EQ(
        opened,
        (std::vector<QString>{
            "http://support.velnor-gaming.com/categories/20013662-frequently-asked-questions",
            "http://support.velnor-gaming.com/home", "http://www.velnor-gaming.com/",
            "http://support.velnor-gaming.com/categories/20014118-software-manual-downloads"}));

    // A click returns before its page is asked for; the page opens from the event loop.
    services.openedUrls.clear();
    page.ControlClicked(CSupportDlg::kCheckUpdatesId);
    page.ControlClicked(CSupportDlg::kCheckUpdatesId);
    EXPECT_TRUE(services.openedUrls.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(services.openedUrls.size(), 2U);
}

}  // namespace
}  // namespace orvex::ui
