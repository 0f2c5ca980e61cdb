#pragma once
// Only one Tunewright runs at a time per user: the first start holds a lock
// file until it ends. A lock left behind by a crash does not count, because
// its owner no longer runs.

#include <QLockFile>
#include <QString>

namespace tw::gui {

class SingleInstance {
public:
    //! The lock in the user's runtime folder, or the temporary folder when
    //! there is none.
    SingleInstance();
    explicit SingleInstance(const QString& lockPath);

    //! Takes the lock at once; false while another instance holds it.
    bool acquire();

private:
    QLockFile lock_;
};

} // namespace tw::gui
