#pragma once
// Where the transfer signal goes: a temporary folder of the fake's own
// (removed with it; set `folder` to nothing to act as a system without one),
// a sending window that only counts its showings, and a player that records
// the paths it was given and answers as scripted.

#include "core/ports.h"

#include <QTemporaryDir>
#include <functional>
#include <vector>

namespace tw::test {

class FakeTransfer final : public TransferPort {
    // First member, so that `folder` below can be initialised from it.
    QTemporaryDir dir_;

public:
    std::optional<QString> tempFolder() const override { return folder; }

    bool showSendingWindowWhile(const std::function<bool()>& play) override
    {
        ++sendingWindowShows;
        windowOpen = true;
        const bool result = play();
        windowOpen = false;
        return result;
    }

    bool playWave(const QString& path) override
    {
        played.push_back({path, windowOpen});
        if (whilePlaying)
            whilePlaying(path);
        return playResult;
    }

    struct Played {
        QString path;
        bool whileWindowShown;
    };

    std::optional<QString> folder = dir_.path() + u'/';  //!< ends in a separator, as the port promises
    bool playResult = true;
    int sendingWindowShows = 0;
    bool windowOpen = false;  //!< true while the sending window is shown
    std::vector<Played> played;
    //! Runs while each file plays, to look at the editor and the file meanwhile.
    std::function<void(const QString& path)> whilePlaying;
};

} // namespace tw::test
