// The io library: serial ports, the script runner, the settings write-behind.
