#pragma once
// How long a test waits for its window to be shown or made active. The wait
// ends as soon as the window is; the limit only keeps a machine too busy to
// show it within Qt's own five seconds from failing the test.

inline constexpr int kWindowWaitMs = 60000;
