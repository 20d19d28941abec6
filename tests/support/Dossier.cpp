#include "support/Dossier.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

DossierTest::DossierTest() {
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

bool DossierTest::Existe(const QString& nom) const {
    return QFile::exists(Fichier(nom));
}

QByteArray ProgrammeExemple() {
    QFile f(QStringLiteral(GC_DOSSIER_DONNEES "/data.prg"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
