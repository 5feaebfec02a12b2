#include "session/selectedtext.h"

namespace sorvanta {

std::string SelectionProblemMessage(CSelectionProblem problem) {
    switch (problem) {
        case CSelectionProblem::None: return {};
        case CSelectionProblem::TooLarge: return "Выделено 10 МБ или больше: это не ссылка. Документ не изменён.";
        case CSelectionProblem::NotText: return "Выделен не текст. Документ не изменён.";
    }
    return {};
}

}  // namespace sorvanta
