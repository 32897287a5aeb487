#pragma once

#include <QObject>
#include <array>

class QWidget;

namespace dtu {

class DigitsOnlyFilter;
class FormModel;
class NamedControls;

// The HTTP client page: the server, the request method, URL and header.
class HttpPage : public QObject {
public:
    // Lays out the page's controls on `page`, which owns the page.
    HttpPage(QWidget* page, const FormModel& form, DigitsOnlyFilter* digitsOnly,
             NamedControls& named);

    // The request's controls, as the device's firmware family allows.
    void ShowFamilyControls();

private:
    const FormModel& form_;
    std::array<QWidget*, 6> familyControls_{};
};

}  // namespace dtu
