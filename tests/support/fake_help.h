#pragma once
// The Help menu's services: counts about-box showings and records programs
// started; which programs exist and whether starting succeeds are scripted.

#include "core/ports.h"

#include <QSet>
#include <vector>

namespace tw::test {

class FakeHelp final : public HelpPort {
public:
    struct Started {
        QString program;
        QStringList arguments;
        friend bool operator==(const Started&, const Started&) = default;
    };

    void showAbout() override { ++aboutShows; }
    bool startDetached(const QString& program, const QStringList& arguments) override
    {
        started.push_back({program, arguments});
        return startSucceeds && !refusing.contains(program);
    }
    bool programExists(const QString& program) const override { return existing.contains(program); }
    std::vector<ProgramCall> volumeControls() const override { return volumePrograms; }

    int aboutShows = 0;
    QSet<QString> existing;  //!< programs found on the search path
    bool startSucceeds = true;
    QSet<QString> refusing;  //!< programs that are found but fail to start
    std::vector<Started> started;  //!< every start asked for, successful or not
    std::vector<ProgramCall> volumePrograms = linuxVolumeControls();  //!< the system's choice
};

} // namespace tw::test
