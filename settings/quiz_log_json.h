#pragma once
// The answer check as JSON, as the quiz log's lines hold it and as
// `kestrel-cli answer` prints it: {"answer", "wasCandidate", "failed", the
// damage each failed damage test allowed, "attack", "defense", "contradictions"}.

#include "catalogue/catalogue.h"
#include "engine/answer_check.h"

#include <nlohmann/json.hpp>

namespace kestrel {

using QuizLogJson = nlohmann::ordered_json;

QuizLogJson answerCheckJson(const Catalogue& catalogue, const AnswerCheck& check);

// A text of the program (code page 932) as a JSON string, and back.
QuizLogJson jsonText(std::string_view cp932);

// Intervals as [[low, high], ...].
QuizLogJson intervalsJson(const std::vector<StatInterval>& intervals);

}  // namespace kestrel
