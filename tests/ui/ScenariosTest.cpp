// La vraie fenêtre jouée comme par un utilisateur, comparée aux scénarios écrits en clair
// (tests/donnees/scenarios ; voir support/Scenario.h).
#include "support/Scenario.h"

#include <gtest/gtest.h>

class Scenarios : public testing::TestWithParam<const char*> {};

TEST_P(Scenarios, CommeAttendu) {
    VerifieScenario(QString::fromLatin1(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Fenetre, Scenarios,
                         testing::Values("controles", "zone", "demarrage", "configuration",
                                         "fichier", "liaison", "tubes", "envoigele", "ports",
                                         "historique", "editionrapide"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param);
                         });
