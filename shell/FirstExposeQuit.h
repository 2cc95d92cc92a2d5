#pragma once

class QWidget;

// For start-up benchmarks only: when the environment variable
// QAMAREL_QUIT_AFTER_FIRST_EXPOSE is set, the program quits as soon as
// `window` is first exposed on screen, so that a run measures exactly the
// time to the first frame.
void QuitAfterFirstExposeIfAsked(QWidget* window);
