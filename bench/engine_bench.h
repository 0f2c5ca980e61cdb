#pragma once
// The playback engine in real time: the editor's own play command with the
// real clock and event loop, against a loop that polls the clock without ever
// sleeping.

namespace tw::bench {

void benchEngine();

} // namespace tw::bench
