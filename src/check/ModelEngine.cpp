#include "ModelEngine.h"

#include <exception>

const RatingEngine* ModelEngine::Get()
{
    if (!m_engine && m_error.empty() && !m_file.empty()) {
        try {
            m_model = LanguageModel::Load(m_file);
            m_engine = SolverEngine(*m_model);
        } catch (const std::exception& e) {
            m_error = e.what();
        }
    }
    return m_engine ? &*m_engine : nullptr;
}
