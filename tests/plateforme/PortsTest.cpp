// COM1..COM4 parmi les liens du dossier et les périphériques détectés ; échecs expliqués.
#include "plateforme/DetectionPorts.h"
#include "plateforme/PortSerieQt.h"
#include "support/Dossier.h"

#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <unistd.h>

const PeripheriqueSerie Ftdi{
    "/dev/ttyUSB1", "/dev/serial/by-id/usb-FTDI_A50285BI", "FTDI FT232R", "A50285BI", true, false};
const PeripheriqueSerie Prolific{
    "/dev/ttyUSB0", "/dev/serial/by-id/usb-Prolific", "Prolific", "", true, false};
const PeripheriqueSerie S1{"/dev/ttyS1", "", "sans UART", "", false, true};
const PeripheriqueSerie S2{"/dev/ttyS2", "", "intégré", "", false, false};
const PeripheriqueSerie S10{"/dev/ttyS10", "", "intégré", "", false, false};

TEST(Ports, DetectionCorrespondanceEtEchecsDOuverture) {
    struct Cas {
        std::vector<PeripheriqueSerie> detectes;
        std::vector<std::pair<int, QString>> liens; // "@" : le dossier du programme
        int numero; // 0 : les lignes de --ports, sinon l'échec de l'ouverture de COMn
    };
    const Cas cas[] = {
        // Un lien gagne ; puis l'USB par nom stable, les ports intégrés à UART, ttyS2 avant ttyS10.
        {{S10, Prolific, S1, Ftdi, S2},
         {{1, "/dev/pts/7"}, {3, "/dev/ttyUSB0"}, {5, "/dev/ttyS1"}},
         0},
        {{Ftdi, S2}, {{2, "@/absent"}}, 2},
        {{S1}, {{3, "/dev/ttyS1"}}, 3},
        {{}, {{2, "@/tube"}}, 2}, // un tube sans lecteur en guise de port : le système dit ENXIO
        {{}, {{2, "@/fichier"}}, 2}, // un fichier ne refuse pas « 4800 bauds »
    };
    QString vus;
    for (const Cas& c : cas) {
        const DossierTest dossier;
        ASSERT_TRUE(CreeTube(dossier.Fichier("tube")));
        dossier.Ecrit("fichier", "x");
        for (const auto& [numero, cible] : c.liens)
            ASSERT_TRUE(QFile::link(QString(cible).replace('@', dossier.Chemin()),
                                    dossier.Fichier(QString("COM%1").arg(numero))));
        PortSerieQt port([&] { return dossier.Chemin(); }, [&] { return c.detectes; });
        const QString vu =
            c.numero == 0
                ? LignesPorts(c.detectes, CorrespondancePorts(dossier.Chemin(), c.detectes))
                      .join('\n')
                : (port.Ouvre(c.numero) ? QString("ouvert") : port.Erreur());
        vus += QString(vu).replace(dossier.Chemin(), "@") + "\n-----\n";
    }
    // /sys : type 0, pas d'UART, sauf pour l'USB qui n'en dit rien ; sans "type", pas un port.
    const DossierTest sys;
    for (const char* d : {"tty/ttyS70", "tty/ttyS71", "tty/ttyUSB70", "tty/tty70", "usb1/1-1"})
        ASSERT_TRUE(QDir(sys.Chemin()).mkpath(d));
    for (const auto& [port, type] : {std::pair("S70", "0"), {"S71", "4"}, {"USB70", "0"}})
        sys.Ecrit(QString("tty/tty%1/type").arg(port), type);
    ASSERT_TRUE(QFile::link(sys.Fichier("usb1/1-1"), sys.Fichier("tty/ttyUSB70/device")));
    for (const PeripheriqueSerie& p : DetectePeripheriquesDans(sys.Fichier("tty/")))
        if (p.chemin.contains("70") || p.chemin.contains("71"))
            vus += QString("%1 usb=%2 sansUart=%3 « %4 »\n")
                       .arg(p.chemin, QString::number(p.usb), QString::number(p.sansUart),
                            p.description);
    EXPECT_EQ(vus.toStdString(), DonneeTest(QStringLiteral("ports-textes.txt")).toStdString());
}

// Fermé, le cordon est libre pour un autre (--envoie, la fenêtre ouverte) : Qt le tient seul.
TEST(Ports, FermeLibereLeCordon) {
    const int maitre = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_TRUE(maitre >= 0 && ::grantpt(maitre) == 0 && ::unlockpt(maitre) == 0);
    const DossierTest dossier;
    ASSERT_TRUE(QFile::link(::ptsname(maitre), dossier.Fichier("COM1")));
    const auto aucun = [] { return std::vector<PeripheriqueSerie>(); };
    PortSerieQt fenetre([&] { return dossier.Chemin(); }, aucun);
    PortSerieQt envoi([&] { return dossier.Chemin(); }, aucun);
    ASSERT_TRUE(fenetre.Ouvre(1)) << fenetre.Erreur().toStdString();
    EXPECT_FALSE(envoi.Ouvre(1));
    fenetre.Ferme();
    EXPECT_TRUE(envoi.Ouvre(1)) << envoi.Erreur().toStdString();
    ::close(maitre);
}

TEST(Ports, AccesRefuseDitLeGroupeEtLaCommande) {
    if (::geteuid() == 0) GTEST_SKIP() << "root passe outre les droits : AccesRefuseSansDroits";
    const DossierTest dossier;
    dossier.Ecrit("COM4", {});
    ASSERT_TRUE(QFile::setPermissions(dossier.Fichier("COM4"), {}));
    PortSerieQt port([&] { return dossier.Chemin(); },
                     [] { return std::vector<PeripheriqueSerie>(); });
    EXPECT_FALSE(port.Ouvre(4));
    const QString erreur = port.Erreur();
    EXPECT_TRUE(erreur.startsWith("Accès refusé au port série COM4 (" + dossier.Fichier("COM4")));
    EXPECT_TRUE(erreur.contains(
        QString("sudo usermod -aG %1 %2\r\n")
            .arg(::getgrgid(::getegid())->gr_name, ::getpwuid(::geteuid())->pw_name)))
        << erreur.toStdString();
    EXPECT_FALSE(TexteAccesRefuse(1, "/dev/ttyS0", "root", "moi").contains("usermod")); // root
}
