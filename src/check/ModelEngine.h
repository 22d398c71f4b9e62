#pragma once
#include <filesystem>
#include <optional>
#include <string>

#include "LanguageModel.h"
#include "PuzzleRating.h"

/// The real solver's rating engine over the language model in a file, read at the first use and only once: a file
/// that cannot be read is not tried again, and Error() keeps the reason.
class ModelEngine
{
public:
    void setFile(std::filesystem::path file) { m_file = std::move(file); }
    const std::filesystem::path& File() const { return m_file; }

    /// The engine, reading the model the first time; nullptr without a file or when it cannot be read.
    const RatingEngine* Get();
    /// Why the model could not be read; empty until a read has failed.
    const std::string& Error() const { return m_error; }

private:
    std::filesystem::path m_file;
    std::optional<LanguageModel> m_model;
    std::optional<RatingEngine> m_engine; // after the model it uses
    std::string m_error;
};
