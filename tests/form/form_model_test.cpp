#include "form/form_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "form/factory_reset.h"

namespace dtu {
namespace {

TEST(FormModel, BoxesRunTheirCouplingsWhoeverSetsThem) {
    struct Row {
        const char* name;
        std::function<void(FormModel&)> act;
        Field field;
        std::string text;
        bool tick;
    };
    const Row rows[] = {
        {"hex box ticked converts the packet",
         [](FormModel& f) { f.SetTick(Field::chk_RegFormat, true); }, Field::edt_RegFormat,
         "4C4F47494E3A31303031", true},
        {"hex box unticked converts it back",
         [](FormModel& f) {
             f.SetTick(Field::chk_HeartbeatFormat, true);
             f.SetTick(Field::chk_HeartbeatFormat, false);
         },
         Field::edt_HeartbeatFormat, "LOG", false},
        {"D2D ticks the registration box and writes its packet",
         [](FormModel& f) {
             f.SetText(Field::lbledt_D2D_ID, "0");
             f.SetTick(Field::chk_D2DEnable, true);
         },
         Field::edt_RegFormat, "0001FFFE", true},
        {"while D2D is on the registration box stays ticked",
         [](FormModel& f) {
             f.SetTick(Field::chk_D2DEnable, true);
             f.SetTick(Field::chk_RegFormat, false);
         },
         Field::edt_RegFormat, "0064FF9B", true},
        {"the compact view unticks D2D",
         [](FormModel& f) {
             f.SetTick(Field::chk_D2DEnable, true);
             f.SetView(kCompactView);
             f.SetTick(Field::chk_RegFormat, false);
         },
         Field::edt_RegFormat, std::string("\0d\xFF\x9B", 4), false},
    };
    for (const Row& row : rows) {
        FormModel form;
        row.act(form);
        EXPECT_EQ(form.Text(row.field), row.text) << row.name;
        const Field box =
            row.field == Field::edt_RegFormat ? Field::chk_RegFormat : Field::chk_HeartbeatFormat;
        EXPECT_EQ(form.Tick(box), row.tick) << row.name;
    }
}

TEST(FormModel, ProgramSetValuesAreKeptWholeAndAnnouncedOnce) {
    FormModel form;
    std::vector<Field> changed;
    form.onChanged = [&changed](Field field) { changed.push_back(field); };
    const std::string port(40, '7');
    form.SetText(Field::edt_Port1, port);  // typed, five digits would be the limit
    form.SetText(Field::edt_Port1, port);
    form.SetItem(Field::cbb_Com_BaudRate, 11);
    form.SetItemByText(Field::cbbHTPTP, "post");
    EXPECT_EQ(form.Text(Field::edt_Port1), port);
    EXPECT_EQ(form.Item(Field::cbb_Com_BaudRate), -1);
    EXPECT_EQ(form.ItemText(Field::cbb_Com_BaudRate), "");
    EXPECT_EQ(form.ItemText(Field::cbbHTPTP), "POST");
    EXPECT_EQ(changed,
              (std::vector<Field>{Field::edt_Port1, Field::cbb_Com_BaudRate, Field::cbbHTPTP}));
}

TEST(FormModel, FamilyWithoutCloudUnticksCloudAndCache) {
    FormModel form;
    form.SetTick(Field::chkCloudEnalbe, true);
    form.SetTick(Field::chk_CachEnable, true);
    form.EnableFamilyControls(false);
    EXPECT_FALSE(form.Tick(Field::chkCloudEnalbe));
    EXPECT_FALSE(form.Tick(Field::chk_CachEnable));
    EXPECT_FALSE(form.FamilyControlsEnabled());
}

TEST(FormModel, FactoryResetBlanksWhatTheDeviceForgets) {
    FormModel form;
    form.SetText(Field::lbledt_D2D_ID, "7");
    form.SetTick(Field::chk_D2DEnable, true);
    form.SetItem(Field::cbb_WorkMode, 3);
    form.SetText(Field::edtHTPURL, "/kept");
    form.ChooseApn(1);
    ResetForFactory(form);
    EXPECT_FALSE(form.Tick(Field::chk_D2DEnable));
    EXPECT_FALSE(form.Tick(Field::chk_RegFormat));
    EXPECT_EQ(form.Text(Field::edt_RegFormat), "");
    EXPECT_EQ(form.Item(Field::cbb_WorkMode), 0);
    EXPECT_EQ(form.Item(Field::cbb_APN), 0);
    EXPECT_EQ(form.Text(Field::edt_APN_other), "CMNET");
    EXPECT_EQ(form.ItemText(Field::cbb_Com_BaudRate), "115200");
    EXPECT_EQ(form.Text(Field::edt_IP1), "");
    EXPECT_TRUE(form.Tick(Field::chk_NetPort1));
    EXPECT_TRUE(form.Tick(Field::chk_NetPort5));
    EXPECT_EQ(form.Text(Field::edtHTPURL), "/kept");
    EXPECT_EQ(form.Text(Field::lbledt_D2D_ID), "7");
}

}  // namespace
}  // namespace dtu
