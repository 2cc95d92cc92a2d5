#pragma once

// QuitApplication — closes every window of the program, shown or hidden, and
// ends the event loop, so that the process ends at once. Windows are removed,
// not asked to close, so none of them takes it for a close by the user.
void QuitApplication();
