#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

#include "comm_fixture.h"
#include "serial/open_error.h"

namespace dtu::test {
namespace {

NodeFacts Node(unsigned uid, unsigned gid, unsigned mode, const char* group) {
    NodeFacts node;
    node.exists = true;
    node.uid = uid;
    node.gid = gid;
    node.mode = mode;
    node.groupName = group;
    return node;
}

struct ClassifyRow {
    const char* name;
    int error;
    NodeFacts node;
    OpenFailure kind;
    const char* group;
    bool rootOnly;
};

const ClassifyRow kClassifyRows[] = {
    {"group may open", EACCES, Node(0, 20, 0660, "dialout"), OpenFailure::Permission, "dialout",
     false},
    {"other group", EACCES, Node(0, 986, 0660, "uucp"), OpenFailure::Permission, "uucp", false},
    {"root only", EACCES, Node(0, 0, 0600, "root"), OpenFailure::Permission, "", true},
    {"group root", EACCES, Node(0, 0, 0660, "root"), OpenFailure::Permission, "", true},
    {"group may only write", EPERM, Node(0, 5, 0620, "tty"), OpenFailure::Permission, "", true},
    {"another user's node", EACCES, Node(1000, 5, 0620, "tty"), OpenFailure::Other, "", false},
    {"open to all yet refused", EACCES, Node(0, 20, 0666, "dialout"), OpenFailure::Other, "",
     false},
    {"node not seen", EACCES, NodeFacts{}, OpenFailure::Other, "", false},
    {"no node", ENOENT, NodeFacts{}, OpenFailure::Missing, "", false},
    {"no device behind the node", ENXIO, Node(0, 20, 0660, "dialout"), OpenFailure::Missing, "",
     false},
    {"unplugged", ENODEV, Node(0, 20, 0660, "dialout"), OpenFailure::Missing, "", false},
    {"exclusive", EBUSY, Node(0, 20, 0660, "dialout"), OpenFailure::Busy, "", false},
    {"input/output error", EIO, Node(0, 20, 0660, "dialout"), OpenFailure::Other, "", false},
};

TEST(OpenError, ClassifiesTheRefusal) {
    for (const ClassifyRow& row : kClassifyRows) {
        const OpenError error = ClassifyOpenErrno("/dev/ttyUSB0", row.error, row.node);
        EXPECT_EQ(error.kind, row.kind) << row.name;
        EXPECT_EQ(error.path, "/dev/ttyUSB0") << row.name;
        EXPECT_EQ(error.group, row.group) << row.name;
        EXPECT_EQ(error.rootOnly, row.rootOnly) << row.name;
        if (row.kind == OpenFailure::Other) {
            EXPECT_EQ(error.systemText, std::strerror(row.error)) << row.name;
        }
    }
}

// Out of descriptors, for the process or the system: the limit is named, with what lifts it.
TEST(OpenError, DescriptorLimitIsNamed) {
    for (const int error : {EMFILE, ENFILE}) {
        const OpenError failure = ClassifyOpenErrno("/dev/ttyUSB0", error, {});
        EXPECT_EQ(failure.kind, OpenFailure::TooManyFiles) << error;
    }
}

struct LocksRow {
    const char* name;
    const char* text;
    int pid;
};

const LocksRow kLocksRows[] = {
    {"flock", "1: FLOCK  ADVISORY  WRITE 4242 00:05:317 0 EOF\n", 4242},
    {"posix lock", "1: POSIX  ADVISORY  WRITE 77 00:05:317 0 EOF\n", 77},
    {"hex device numbers", "1: FLOCK  ADVISORY  WRITE 9 fd:1a:317 0 EOF\n", 0},
    {"other inode", "1: FLOCK  ADVISORY  WRITE 4242 00:05:318 0 EOF\n", 0},
    {"waiter skipped",
     "1: -> FLOCK  ADVISORY  WRITE 13 00:05:317 0 EOF\n"
     "2: FLOCK  ADVISORY  WRITE 14 00:05:317 0 EOF\n",
     14},
    {"descriptor lock without owner", "1: OFDLCK ADVISORY  WRITE -1 00:05:317 0 EOF\n", 0},
    {"among others",
     "1: POSIX  ADVISORY  WRITE 100 08:02:5000 0 EOF\n"
     "2: FLOCK  ADVISORY  WRITE 200 00:05:317 0 EOF",
     200},
    {"garbage", "1: FLOCK\n\n:::\n1: FLOCK ADVISORY WRITE x 00:05:317 0 EOF\n", 0},
};

TEST(OpenError, FindsTheFlockHolderInProcLocks) {
    for (const LocksRow& row : kLocksRows) {
        EXPECT_EQ(FlockHolder(row.text, 0, 5, 317), row.pid) << row.name;
    }
    EXPECT_EQ(FlockHolder("1: FLOCK  ADVISORY  WRITE 9 fd:1a:317 0 EOF\n", 0xfd, 0x1a, 317), 9);
}

using PortHeld = CommFixture;

TEST_F(PortHeld, OpeningAPortAnotherDescriptorLocksNamesTheHolder) {
    int other = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    EXPECT_EQ(FlockHolderOf(pty.SlavePath()), getpid());
    try {
        comm.StartPort();
        ADD_FAILURE() << "opened a locked port";
    } catch (const ECommsError& error) {
        EXPECT_EQ(error.Failure().kind, OpenFailure::Busy);
        EXPECT_EQ(error.Failure().holderPid, getpid());
        EXPECT_EQ(error.Failure().holderProgram, "serial_tests");
    }
    close(other);
    EXPECT_EQ(FlockHolderOf(pty.SlavePath()), 0);
}

TEST(OpenError, EmptyPortNameIsNoPortChosen) {
    QueuePoster poster;
    TComm comm(poster);
    comm.SetCommName("");
    try {
        comm.StartPort();
        ADD_FAILURE() << "opened no port";
    } catch (const ECommsError& error) {
        EXPECT_EQ(error.Failure().kind, OpenFailure::Missing);
        EXPECT_TRUE(error.Failure().path.empty());
    }
}

}  // namespace
}  // namespace dtu::test
