// The file-system seam under Windows: the cases the native tests run.
#include "../common/FileSystem_test.cpp"
