// The courseware shell: start-up, main menu, prompts, number entry, waits and
// the error screen.
#pragma once
#include "state/program.h"

namespace cw {

// Start-up, then the main menu until the program ends.  A run-time error
// ends on the error screen.  Returns when the program ends (ProgramEnd is
// caught here); KeysExhausted and ErrorScreenReached pass through.
void run_program(Program& g);

// Reads the clock; writes the seed, CCC1, KAIX, KAIY, TITLE$, SAIGO, every array's bounds; clobbers A, the font and draw width.
void INITIALIZE_PROGRAM(Program& g);
// Reads TITLE$, KAIX, KAIY and the program's items; writes AINP$, AINP; clobbers X, Y, AA$, CCC1 and the entry's scratch; runs the chosen lesson.
void SHOW_MAIN_MENU(Program& g);  // one pass; returns after a lesson or a redraw

// Reads KAIX, KAIY; writes AINP$, AINP; clobbers X, Y, CCC1 (0, or 5 after an echo), AA$ (empty), A$, B$, I, LEM, N.
void INPUT_MENU_NUMBER(Program& g);
// Reads KAIX, KAIY; writes nothing; erases the menu's entry band.
void CLEAR_MENU_PROMPT(Program& g);
// Reads AA$ (the menu line), KAIX, KAIY; writes AINP$, AINP; clobbers X, Y, CCC1, AA$ (empty), A$, B$, I, LEM, N.
void PROMPT_FOR_NUMBER(Program& g);
// Reads nothing; writes nothing; erases the prompt band.
void CLEAR_PROMPT_LINE(Program& g);
// Reads KAIX, KAIY; writes AINP$, AINP; clobbers DR, X, Y, CCC1, AA$, A$, B$, I, LEM, N; the draw width as on entry.
void ASK_NEXT_STEP(Program& g);

// Reads KAIX, KAIY; writes AINP$, I$, XX, YY; clobbers X, Y, CCC1 (0, or 5 after an echo), AA$ (empty), A$, B$, I.
void INPUT_NUMBER(Program& g);
// Reads XX, YY; writes AINP$, I$, XX, YY; clobbers CCC1, A$, B$, I.
void READ_ENTRY_KEYS(Program& g);
// Reads AINP$; writes AINP, LEM, N, and A$, B$ when AINP$ holds a "/".
void PARSE_ANSWER(Program& g);

// Reads nothing; writes I$; clobbers X (320), Y (666), AA$ (empty), CCC0, DR, A$, B$, I; CCC1 and the draw width as on entry.
void WAIT_ANY_KEY(Program& g);
// Reads nothing; writes nothing; erases the work area below the top strip.
void CLEAR_WORK_AREA(Program& g);
// Erases the whole window: a filled box in colour 15 from (0, 0) by (1760, 1800), beyond the largest screen.
// Reads nothing; writes nothing.
void clear_screen(Program& g);
// Reads the error code and site; draws the error screen and waits for the window to close; never returns.
[[noreturn]] void REPORT_FATAL_ERROR(Program& g, int code, int site);

}  // namespace cw
