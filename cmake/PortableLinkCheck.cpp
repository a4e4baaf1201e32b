// Links the whole core into a Windows program; see the top-level CMakeLists.txt.
int main() { return 0; }
