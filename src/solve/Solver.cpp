#include "Solver.h"

SolveResult Solve(SolveKind, std::string_view, const LanguageModel&, const SolveOptions&)
{
    throw SolveRefused("not available");
}
