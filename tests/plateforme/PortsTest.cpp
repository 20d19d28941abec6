// COM1..COM4 parmi les liens du dossier et les périphériques détectés ; échecs expliqués.
#include "plateforme/DetectionPorts.h"
#include "plateforme/PortSerieQt.h"
#include "support/Dossier.h"

#include <QFile>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {
const PeripheriqueSerie Ftdi{
    "/dev/ttyUSB1", "/dev/serial/by-id/usb-FTDI_A50285BI", "FTDI FT232R", "A50285BI", true, false};
const PeripheriqueSerie Prolific{
    "/dev/ttyUSB0", "/dev/serial/by-id/usb-Prolific", "Prolific", "", true, false};
const PeripheriqueSerie S1{"/dev/ttyS1", "", "sans UART", "", false, true};
const PeripheriqueSerie S2{"/dev/ttyS2", "", "intégré", "", false, false};
const PeripheriqueSerie S10{"/dev/ttyS10", "", "intégré", "", false, false};
const QString Introuvable = "Port série introuvable : COM%1 (%2).\r\n\r\nLe cordon de la "
                            "télécommande n'est pas branché, ou ce port n'existe pas.\r\n\r\n";

QString Dans(const DossierTest& dossier, QString texte) {
    return texte.replace('@', dossier.Chemin());
}

// Les liens COMn -> cible ("@" : le dossier du programme).
void Lie(const DossierTest& dossier, const std::vector<std::pair<int, QString>>& liens) {
    for (const auto& [numero, cible] : liens)
        ASSERT_TRUE(
            QFile::link(Dans(dossier, cible), dossier.Fichier(QString("COM%1").arg(numero))));
}
} // namespace

TEST(Ports, CorrespondanceDesQuatrePortsEtEchecsDOuverture) {
    const QString quatre =
        "/dev/ttyUSB1 — FTDI FT232R (A50285BI), /dev/serial/by-id/usb-FTDI_A50285BI\n"
        "/dev/ttyUSB0 — Prolific, /dev/serial/by-id/usb-Prolific\n"
        "/dev/ttyS2 — intégré\n/dev/ttyS10 — intégré\n";
    const QString aucun =
        "Aucun périphérique série détecté\nCOM1 : aucun périphérique\nCOM2 : "
        "aucun périphérique\nCOM3 : aucun périphérique\nCOM4 : aucun périphérique";
    struct Cas {
        std::vector<PeripheriqueSerie> detectes;
        std::vector<std::pair<int, QString>> liens;
        int numero;      // 0 : les lignes de --ports, sinon l'échec de l'ouverture de COMn
        QString attendu; // "@" : le dossier du programme
    };
    const Cas cas[] = {
        // USB par nom stable, puis les ports intégrés qui ont une UART, ttyS2 avant ttyS10.
        {{S10, Prolific, S1, Ftdi, S2},
         {},
         0,
         quatre + "COM1 : /dev/ttyUSB1 — FTDI FT232R (A50285BI)\nCOM2 : /dev/ttyUSB0 — Prolific\n"
                  "COM3 : /dev/ttyS2 — intégré\nCOM4 : /dev/ttyS10 — intégré"},
        // Un lien gagne ; les COMn sans lien prennent les périphériques qu'aucun lien ne prend.
        {{S10, Prolific, S1, Ftdi, S2},
         {{1, "/dev/pts/7"}, {3, "/dev/ttyUSB0"}},
         0,
         quatre + "COM1 : /dev/pts/7, par le lien @/COM1\nCOM2 : /dev/ttyUSB1 — FTDI FT232R "
                  "(A50285BI)\nCOM3 : /dev/ttyUSB0 — Prolific, par le lien @/COM3\nCOM4 : "
                  "/dev/ttyS2 — intégré"},
        {{S1}, {}, 0, aucun},
        {{}, {}, 0, aucun},
        // Rien derrière COM1 : surtout pas le port intégré sans UART.
        {{S1},
         {},
         1,
         Introuvable.arg(1).arg("aucun périphérique") + "Périphériques détectés : aucun."},
        {{Ftdi, S2},
         {{2, "@/absent"}},
         2,
         Introuvable.arg(2).arg("@/absent") + "Périphériques détectés :\r\n    /dev/ttyUSB1 — "
                                              "FTDI FT232R (A50285BI)\r\n    /dev/ttyS2 — intégré"},
        {{S1},
         {{3, "/dev/ttyS1"}},
         3,
         "Le port série COM3 (/dev/ttyS1) n'a pas de circuit série (UART) derrière lui : rien n'en "
         "sortirait.\r\n\r\nBranchez le cordon de la télécommande, par un adaptateur USB série au "
         "besoin, puis choisissez-le dans « Choix port série »."},
    };
    for (const Cas& c : cas) {
        const DossierTest dossier;
        Lie(dossier, c.liens);
        PortSerieQt port([&] { return dossier.Chemin(); }, [&] { return c.detectes; });
        const QString vu =
            c.numero == 0
                ? LignesPorts(c.detectes, CorrespondancePorts(dossier.Chemin(), c.detectes))
                      .join('\n')
                : (port.Ouvre(c.numero) ? QString("ouvert") : port.Erreur());
        EXPECT_EQ(vu, Dans(dossier, c.attendu));
    }
}

TEST(Ports, AccesRefuseDitLeGroupeEtLaCommande) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits : AccesRefuseSansDroits";
    const DossierTest dossier;
    dossier.Ecrit("COM4", {});
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("COM4"), {}));
    PortSerieQt port([&] { return dossier.Chemin(); },
                     [] { return std::vector<PeripheriqueSerie>(); });
    EXPECT_FALSE(port.Ouvre(4));
    EXPECT_EQ(
        port.Erreur(),
        QStringLiteral("Accès refusé au port série COM4 (%1).\r\n\r\nIl faut être membre du "
                       "groupe « %2 », à qui appartient ce périphérique. Tapez dans un "
                       "terminal :\r\n\r\n    sudo usermod -aG %2 %3\r\n\r\npuis fermez votre "
                       "session et rouvrez-la : le groupe ne compte qu'à la connexion suivante.")
            .arg(dossier.Fichier("COM4"), ::getgrgid(::getegid())->gr_name,
                 ::getpwuid(::geteuid())->pw_name));
}
