// Entry point; the main loop comes with the application shell.
int main() { return 0; }
