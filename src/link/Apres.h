#pragma once
// Exécute une action en sortie de portée, même par un retour anticipé.
#include <utility>

template <typename Action> class Apres {
public:
    explicit Apres(Action action) : action_(std::move(action)) {}
    ~Apres() { action_(); }
    Apres(const Apres&) = delete;
    Apres& operator=(const Apres&) = delete;

private:
    Action action_;
};
