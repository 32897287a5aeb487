#pragma once

#include <QString>
#include <functional>

namespace dtu {

class ElidedLabel;

// The status bar's account of the last action: what is under way while it
// runs, then how it ended. Kept as the way to word it, so a language switch
// words it again.
class StatusVerdict {
public:
    using Words = std::function<QString()>;
    struct State {
        Words words;
        bool failed = false;
        bool busy = false;
    };

    explicit StatusVerdict(ElidedLabel* label) : label_(label) {}

    void ShowBusy(Words words);
    void ShowEnd(Words words, bool failed);
    // Words the state again, in the language now chosen.
    void Refresh();

    const State& Current() const { return state_; }
    void Restore(State state);

private:
    ElidedLabel* label_;
    State state_;
};

}  // namespace dtu
