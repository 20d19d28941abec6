// Les erreurs du vrai port série, dites en français.
#include "plateforme/PortSerieQt.h"
#include "support/Dossier.h"

#include <cerrno>
#include <gtest/gtest.h>

TEST(PortSerieQt, CausesDuSystemeEnFrancais) {
    DossierTest dossier;
    const auto description = [](int numero) {
        return DescriptionErreurPort(QSerialPort::UnknownError, 2, "/dev/ttyS1",
                                     qt_error_string(numero));
    };
    const QString debut = QStringLiteral("Erreur du port série COM2 (/dev/ttyS1) : ");
    EXPECT_EQ(description(ENXIO), debut + "Périphérique absent.");
    EXPECT_EQ(description(ENOTDIR), debut + "Un élément du chemin n'est pas un dossier.");
    EXPECT_EQ(description(EIO), debut + "Erreur d'entrée-sortie du périphérique.");
    // Sans traduction ici : le numéro, et le texte du système entre parenthèses.
    EXPECT_EQ(description(EPROTO), debut + QStringLiteral("Erreur du système n° %1 (%2).")
                                               .arg(EPROTO)
                                               .arg(qt_error_string(EPROTO)));
    // Un tube sans lecteur en guise de vrai port : le système répond ENXIO.
    ASSERT_TRUE(CreeTube(dossier.Fichier("COM2")));
    PortSerieQt reel([&dossier] { return dossier.Chemin(); });
    EXPECT_FALSE(reel.Ouvre(2));
    EXPECT_EQ(reel.Erreur(), QStringLiteral("Erreur du port série COM2 (%1) : Périphérique absent.")
                                 .arg(dossier.Fichier("COM2")));
}
