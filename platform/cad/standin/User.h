#pragma once
// The person at the stand-in host: whoever answers its point prompts and
// on-screen selections. Tests script one (ScriptedUser); the host program asks
// on its command line and in its drawing view.

#include "platform/cad/Entity.h"
#include "platform/cad/Point.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

namespace standin {

// A point given by a click, or typed as coordinates. Ortho mode levels a
// clicked point against the prompt's base; typed coordinates are taken as
// they are, as the host's command line takes them.
struct PointAnswer {
    enum class Kind { Point, Enter, Cancel };

    Kind kind = Kind::Enter;
    cad::Point point;
    // Coordinates typed at the prompt (or given with an object snap) rather
    // than picked in the view: ortho mode leaves them where they are.
    bool typed = false;

    static PointAnswer at(const cad::Point& point) { return {Kind::Point, point}; }
    static PointAnswer typedAt(const cad::Point& point) { return {Kind::Point, point, true}; }
    static PointAnswer enter() { return {Kind::Enter, {}}; }
    static PointAnswer cancel() { return {Kind::Cancel, {}}; }
};

// The outcome of one on-screen selection: the objects picked, and the text the
// host's command line holds afterwards (its "lastprompt"): "Select objects:"
// when the user ended the selection, "*Cancel*" after Esc, or the prompt of a
// display command that interrupted it.
struct SelectionAnswer {
    std::vector<std::shared_ptr<cad::Entity>> entities;
    QString lastPrompt;
};

inline const QString SelectPrompt = QStringLiteral("Select objects:");
inline const QString CancelPrompt = QStringLiteral("*Cancel*");

class User {
public:
    virtual ~User() = default;
    virtual PointAnswer askPoint(const QString& prompt, const std::optional<cad::Point>& base) = 0;
    // `candidates` are the objects of the space the user works in.
    virtual SelectionAnswer askSelection(const std::vector<std::shared_ptr<cad::Entity>>& candidates) = 0;
};

}  // namespace standin
