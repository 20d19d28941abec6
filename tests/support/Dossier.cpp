#include "support/Dossier.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

DossierTest::DossierTest(const QString& modele)
    : dossier_(modele.isEmpty() ? QTemporaryDir() : QTemporaryDir(modele)) {
    EXPECT_TRUE(dossier_.isValid());
}

QString DossierTest::Fichier(const QString& nom) const {
    return QDir(Chemin()).filePath(nom);
}

void DossierTest::Ecrit(const QString& nom, const QByteArray& contenu) const {
    QFile f(Fichier(nom));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(contenu), contenu.size());
}

QByteArray DossierTest::Lit(const QString& nom) const {
    QFile f(Fichier(nom));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray ProgrammeExemple() {
    QFile f(QStringLiteral(GC_DOSSIER_DONNEES "/data.prg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Programme ProgrammeLundi() {
    Programme p;
    RemetParDefaut(p);
    p.IdentZone = {4660, 1, 2};
    p.ProgJour[0][0].replace(36, 12, QByteArray(12, '1'));
    return p;
}

QByteArray DonneeTest(const QString& nom) {
    QFile f(QStringLiteral(GC_DONNEES_TESTS "/") + nom);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nom.toStdString();
    return f.readAll();
}

QStringList CasDeTable(const QString& nom) {
    QStringList cas = QString::fromUtf8(DonneeTest(nom)).split('\n', Qt::SkipEmptyParts);
    cas.removeIf([](const QString& ligne) { return ligne.startsWith('#'); });
    return cas;
}

TrameEcrite LitTrameEcrite(const QString& nom) {
    TrameEcrite trame;
    for (const QByteArray& ligne : DonneeTest(nom).split('\n')) {
        if (ligne.startsWith('#') || ligne.trimmed().isEmpty()) continue;
        if (ligne.trimmed() == "pause")
            trame.pauses.push_back(static_cast<int>(trame.octets.size()) - 1);
        else
            trame.octets += QByteArray::fromHex(ligne);
    }
    return trame;
}

bool CreeTube(const QString& chemin) {
    return ::mkfifo(QFile::encodeName(chemin).constData(), 0600) == 0;
}
