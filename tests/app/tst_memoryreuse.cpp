// The heap keeps large freed blocks for reuse, up to a bound, instead of handing each back to the system.
#include "app/core/memoryreuse.h"

#include <QtTest>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

class MemoryReuseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { keepFreedMemoryForReuse(); }

    // A layout of a long line takes about this much at once.
    void largeBlockIsKeptAfterItIsFreed()
    {
        constexpr size_t size = 80 * 1024 * 1024;
        char *block = static_cast<char *>(std::malloc(size));
        QVERIFY(block);
        std::memset(block, 1, size);
        QCOMPARE(mallinfo2().hblkhd, size_t(0)); // not a mapping of its own, which freeing would unmap
        std::free(block);
        QVERIFY(mallinfo2().fordblks >= size);
    }

    void keptMemoryIsBounded()
    {
        constexpr size_t size = 400 * 1024 * 1024;
        char *block = static_cast<char *>(std::malloc(size));
        QVERIFY(block);
        std::memset(block, 1, size);
        std::free(block);
        QVERIFY(mallinfo2().fordblks <= size_t(160) * 1024 * 1024);
    }
};

QTEST_GUILESS_MAIN(MemoryReuseTest)
#include "tst_memoryreuse.moc"
