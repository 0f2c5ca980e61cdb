#pragma once
// Whether the window waits for the user (`Idle`) or is busy playing or sending.
// Both run nested event loops in which the user's clicks still arrive; the entry
// buttons and the closing procedure look here to stay out of their way.

namespace tw {

class Activity {
public:
    bool idle() const { return idle_; }

    //! The window is busy for as long as a Busy lives.
    class Busy {
    public:
        explicit Busy(Activity& activity) : activity_(activity) { activity_.idle_ = false; }
        ~Busy() { activity_.idle_ = true; }
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        Activity& activity_;
    };

private:
    bool idle_ = true;
};

} // namespace tw
