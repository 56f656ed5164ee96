// The courseware shell: start-up, main menu, prompts, number entry, waits and
// the error screen.
#pragma once
#include "state/program.h"

namespace cw {

// Start-up, then the main menu until the program ends.  A run-time error
// ends on the error screen.  Returns when the program ends (ProgramEnd is
// caught here); KeysExhausted and ErrorScreenReached pass through.
void run_program(Program& g);

void INITIALIZE_PROGRAM(Program& g);
void SHOW_MAIN_MENU(Program& g);  // one pass; returns after a lesson or a redraw

void INPUT_MENU_NUMBER(Program& g);
void CLEAR_MENU_PROMPT(Program& g);
void PROMPT_FOR_NUMBER(Program& g);
void CLEAR_PROMPT_LINE(Program& g);
void ASK_NEXT_STEP(Program& g);

void INPUT_NUMBER(Program& g);
void READ_ENTRY_KEYS(Program& g);
void PARSE_ANSWER(Program& g);

void WAIT_ANY_KEY(Program& g);
void CLEAR_WORK_AREA(Program& g);
[[noreturn]] void REPORT_FATAL_ERROR(Program& g, int code, int site);

}  // namespace cw
