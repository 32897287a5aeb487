#pragma once

#include <QObject>
#include <vector>

// The test classes of this executable, each in its own file.
QObject* NewLayoutTest();
QObject* NewViewTest();
QObject* NewTextsTest();
QObject* NewInfoAreaTest();
QObject* NewInputTest();
QObject* NewDispatchTest();
QObject* NewCouplingsTest();
QObject* NewSettingsTest();
QObject* NewDeviceTest();
QObject* NewProfileTest();
QObject* NewEverydayTest();
QObject* NewWriteAllTest();
QObject* NewCompareTest();
QObject* NewDeviceListTest();

inline std::vector<QObject*> AllTests() {
    return {NewLayoutTest(),  NewViewTest(),      NewTextsTest(),     NewInfoAreaTest(),
            NewInputTest(),   NewDispatchTest(),  NewCouplingsTest(), NewSettingsTest(),
            NewDeviceTest(),  NewProfileTest(),   NewEverydayTest(),  NewWriteAllTest(),
            NewCompareTest(), NewDeviceListTest()};
}
