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
         [](FormModel& f) { f.SetTick(Field::RegistrationPacketHex, true); },
         Field::RegistrationPacket, "4C4F47494E3A31303031", true},
        {"hex box unticked converts it back",
         [](FormModel& f) {
             f.SetTick(Field::HeartbeatPacketHex, true);
             f.SetTick(Field::HeartbeatPacketHex, false);
         },
         Field::HeartbeatPacket, "LOG", false},
        {"D2D ticks the registration box and writes its packet",
         [](FormModel& f) {
             f.SetText(Field::D2dId, "0");
             f.SetTick(Field::D2dEnable, true);
         },
         Field::RegistrationPacket, "0001FFFE", true},
        {"while D2D is on the registration box stays ticked",
         [](FormModel& f) {
             f.SetTick(Field::D2dEnable, true);
             f.SetTick(Field::RegistrationPacketHex, false);
         },
         Field::RegistrationPacket, "0064FF9B", true},
        {"the compact view unticks D2D",
         [](FormModel& f) {
             f.SetTick(Field::D2dEnable, true);
             f.SetView(kCompactView);
             f.SetTick(Field::RegistrationPacketHex, false);
         },
         Field::RegistrationPacket, std::string("\0d\xFF\x9B", 4), false},
    };
    for (const Row& row : rows) {
        FormModel form;
        row.act(form);
        EXPECT_EQ(form.Text(row.field), row.text) << row.name;
        const Field box = row.field == Field::RegistrationPacket ? Field::RegistrationPacketHex
                                                                 : Field::HeartbeatPacketHex;
        EXPECT_EQ(form.Tick(box), row.tick) << row.name;
    }
}

TEST(FormModel, ProgramSetValuesAreKeptWholeAndAnnouncedOnce) {
    FormModel form;
    std::vector<Field> changed;
    form.onChanged = [&changed](Field field) { changed.push_back(field); };
    const std::string port(40, '7');
    form.SetText(Field::Socket1Port, port);  // typed, five digits would be the limit
    form.SetText(Field::Socket1Port, port);
    form.SetItem(Field::BaudRate, 11);
    form.SetItemByText(Field::HttpMethod, "post");
    EXPECT_EQ(form.Text(Field::Socket1Port), port);
    EXPECT_EQ(form.Item(Field::BaudRate), -1);
    EXPECT_EQ(form.ItemText(Field::BaudRate), "");
    EXPECT_EQ(form.ItemText(Field::HttpMethod), "POST");
    EXPECT_EQ(changed,
              (std::vector<Field>{Field::Socket1Port, Field::BaudRate, Field::HttpMethod}));
}

TEST(FormModel, FamilyWithoutCloudUnticksCloudAndCache) {
    FormModel form;
    form.SetTick(Field::CloudEnable, true);
    form.SetTick(Field::CacheEnable, true);
    form.EnableFamilyControls(false);
    EXPECT_FALSE(form.Tick(Field::CloudEnable));
    EXPECT_FALSE(form.Tick(Field::CacheEnable));
    EXPECT_FALSE(form.FamilyControlsEnabled());
}

TEST(FormModel, FactoryResetBlanksWhatTheDeviceForgets) {
    FormModel form;
    form.SetText(Field::D2dId, "7");
    form.SetTick(Field::D2dEnable, true);
    form.SetItem(Field::WorkMode, 3);
    form.SetText(Field::HttpUrl, "/kept");
    form.ChooseApn(1);
    ResetForFactory(form);
    EXPECT_FALSE(form.Tick(Field::D2dEnable));
    EXPECT_FALSE(form.Tick(Field::RegistrationPacketHex));
    EXPECT_EQ(form.Text(Field::RegistrationPacket), "");
    EXPECT_EQ(form.Item(Field::WorkMode), 0);
    EXPECT_EQ(form.Item(Field::ApnChoice), 0);
    EXPECT_EQ(form.Text(Field::Apn), "CMNET");
    EXPECT_EQ(form.ItemText(Field::BaudRate), "115200");
    EXPECT_EQ(form.Text(Field::Socket1Host), "");
    EXPECT_TRUE(form.Tick(Field::Socket1Enable));
    EXPECT_TRUE(form.Tick(Field::HttpSocketEnable));
    EXPECT_EQ(form.Text(Field::HttpUrl), "/kept");
    EXPECT_EQ(form.Text(Field::D2dId), "7");
}

}  // namespace
}  // namespace dtu
