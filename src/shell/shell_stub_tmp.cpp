#include "exprstr/exprstr.h"
#include "shell/shell.h"
#include "typeset/typeset.h"

namespace cw {
void Program::run() {}
void INITIALIZE_PROGRAM(Program& g) {}
void SHOW_MAIN_MENU(Program& g) {}
void INPUT_MENU_NUMBER(Program& g) {}
void CLEAR_MENU_PROMPT(Program& g) {}
void PROMPT_FOR_NUMBER(Program& g) {}
void CLEAR_PROMPT_LINE(Program& g) {}
void ASK_NEXT_STEP(Program& g) {}
void INPUT_NUMBER(Program& g) {}
void READ_ENTRY_KEYS(Program& g) {}
void PARSE_ANSWER(Program& g) {}
void WAIT_ANY_KEY(Program& g) {}
void CLEAR_WORK_AREA(Program& g) {}
void REPORT_FATAL_ERROR(Program& g, int code, int site) { g.pf.IDLE_FOREVER(code, site); }
void DRAW_EXPRESSION_TEXT(Program& g) {}
void DRAW_GLYPH_RUN(Program& g) {}
void DRAW_CONVERTED_CHARS(Program& g) {}
void PRINT_PROMPT_TEXT(Program& g) {}
void CONVERT_CHAR_TO_GLYPH(Program& g) {}
void STRIP_SPACES(Program& g) {}
void STRIP_LAYOUT_MARKS(Program& g) {}
void NEGATE_TERM_SIGN(Program& g) {}
void STRIP_LEADING_PLUS(Program& g) {}
void STRIP_LEADING_SIGN(Program& g) {}
void PARENTHESIZE_IF_NEGATIVE(Program& g) {}
}  // namespace cw
