#include <QtTest>
class TestSharedFiles : public QObject { Q_OBJECT };
QTEST_MAIN(TestSharedFiles)
#include "test_sharedfiles.moc"
