#pragma once
// Keeps Qt's start-up from aborting with a page of text when no display can
// be opened: while the application object is being made, messages are held
// back, and a fatal one becomes a single line on stderr and exit code -1.
// Once the object exists, held messages go out as usual.
namespace qv {

void holdStartupMessages();
void releaseStartupMessages();

}  // namespace qv
