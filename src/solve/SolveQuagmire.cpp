#include "SolveQuagmire.h"

SolveResult SolveQuagmire(std::string_view, const LanguageModel&, const SolveOptions&)
{
    throw SolveRefused("The Quagmire solver is not available");
}
