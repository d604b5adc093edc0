#include <QTest>

class Testcolourtables : public QObject {
    Q_OBJECT
};

QTEST_APPLESS_MAIN(Testcolourtables)
#include "test_colourtables.moc"
