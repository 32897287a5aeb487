#pragma once

#include <span>
#include <vector>

class QComboBox;
class QObject;
class QWidget;

namespace dtu {

class TLangList;

// Language texts tied to the controls that show them, so that a language
// switch re-texts every control without looking it up.
class TextTargets {
public:
    void AddCaption(QObject* control, const char* key);
    void AddHint(QWidget* control, const char* key);
    // `keys` name the items in order; null keys are passed over.
    void AddItems(QComboBox* box, std::span<const char* const> keys);

    void Apply(const TLangList& table) const;

private:
    struct Caption {
        QObject* control;
        const char* key;
    };
    struct Hint {
        QWidget* control;
        const char* key;
    };
    struct Items {
        QComboBox* box;
        std::span<const char* const> keys;
    };
    std::vector<Caption> captions_;
    std::vector<Hint> hints_;
    std::vector<Items> items_;
};

}  // namespace dtu
