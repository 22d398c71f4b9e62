#pragma once

#include <string>

#include "TessarinError.h"

/// The message of the TessarinError that call throws, or "no error".
template <class Call>
std::string errorOf(Call&& call)
{
    try {
        call();
    } catch (const TessarinError& error) {
        return error.what();
    }
    return "no error";
}
