; The registers at the end of the last run, on two lines:
;   A=12 X=1234 Y=5678 U=9ABC
;   BRK 4003 S=7BF9 T=..Z.C     (stopped by BREAK at 4003)  or
;   RTN      S=7BFF T=....C     (returned by RTN)
; T shows the flags H V Z IE C, a dot for each one clear.

draw_regs:  LDA (HOW_ENDED)
            BZR regs_known
            LDI XH,HIGH(text_no_run)
            LDI XL,LOW(text_no_run)
            SJP print_text
            JMP lcd_clear_eol
regs_known: LDA (REG_PAGE)
            BZR regs_second
            LDI A,'A'
            SJP print_name
            LDA (REG_A)
            SJP print_hex
            LDI XH,HIGH(REG_X)
            LDI XL,LOW(REG_X)
            LDI A,'X'
            SJP print_register
            LDI A,'Y'
            SJP print_register
            LDI A,'U'
            SJP print_register
            JMP lcd_clear_eol
regs_second:
            LDI XH,HIGH(text_rtn)
            LDI XL,LOW(text_rtn)
            LDA (HOW_ENDED)
            CPI A,2
            BZR regs_how
            LDI XH,HIGH(text_brk)
            LDI XL,LOW(text_brk)
regs_how:   SJP print_text
            LDA (HOW_ENDED)
            CPI A,2
            BZR regs_stack
            LDI XH,HIGH(REG_P)
            LDI XL,LOW(REG_P)
            SJP print_word
regs_stack: LDI A,8
            STA (CURSOR)
            LDI XH,HIGH(REG_S)
            LDI XL,LOW(REG_S)
            LDI A,'S'
            SJP print_register
            LDI A,' '
            SJP put_char
            LDI A,'T'
            SJP print_name
            LDA (REG_T)
            SHL
            SHL
            SHL
            STA (BITS)          ; H in bit 7, then V, Z, IE, C
            LDI XH,HIGH(text_flags)
            LDI XL,LOW(text_flags)
            LDI UL,4
regs_flag:  LDA (BITS)
            SHL
            STA (BITS)
            LIN X               ; keeps the carry: the flag
            BCS regs_flag_set
            LDI A,'.'
regs_flag_set:
            SJP put_char
            LOP UL,regs_flag
            JMP lcd_clear_eol

; Prints " A=" for A = 'A' and the word at X (high byte first); X moves past it.
print_register:
            PSH A
            LDI A,' '
            SJP put_char
            POP A
            SJP print_name
print_word: LIN X
            SJP print_hex
            LIN X
            JMP print_hex

; Prints the register name A and "=".
print_name: SJP put_char
            LDI A,'='
            JMP put_char

text_no_run:
            DB "NO PROGRAM RUN YET", 0
text_rtn:   DB "RTN     ", 0
text_brk:   DB "BRK ", 0
text_flags: DB "HVZIC"
