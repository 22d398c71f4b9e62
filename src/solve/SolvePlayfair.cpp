#include "SolvePlayfair.h"

SolveResult SolvePlayfair(std::string_view, const LanguageModel&, const SolveOptions&)
{
    throw SolveRefused("The Playfair solver is not available");
}
