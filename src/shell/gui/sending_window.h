#pragma once
// The transfer port. The window builds it as TransferServices(window).
//
// For now it has a temporary folder and nothing to play through: the send
// command brings the sending window and the sound output.

#include "shell/ports.h"

class QWidget;

namespace tw::gui {

class TransferServices final : public TransferPort {
public:
    explicit TransferServices(QWidget* /*window*/) {}

    std::optional<QString> tempFolder() const override;
    bool showSendingWindowWhile(const std::function<bool()>& play) override;
    //! Nothing plays yet, so every file fails.
    bool playWave(const QString& path) override;
};

} // namespace tw::gui
