#pragma once

// The keys that select content. The windows check a selector against these before they look
// anything up, so an out-of-range selector shows nothing rather than reading past a table.
namespace content {

inline constexpr int TopicCount = 10;
inline constexpr int PhilosophyCount = 5;
inline constexpr int OrganisationCount = 5;

constexpr bool IsTopic(int n) {
    return n >= 1 && n <= TopicCount;
}
constexpr bool IsPhilosophy(int n) {
    return n >= 1 && n <= PhilosophyCount;
}
constexpr bool IsOrganisation(int n) {
    return n >= 1 && n <= OrganisationCount;
}

} // namespace content
