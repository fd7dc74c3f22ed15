; The monitor: one screen at a time on the line, chosen by letter keys.
;   M  show and edit memory        G  run a program
;   R  registers of the last run   T  the date and time (ENTER sets it)
;   CL or BREAK (ON): back to the banner; OFF switches the machine off.
; A held key repeats where it types or moves (digits, arrows); the keys that
; change the screen act once.

SCR_HOME    EQU 0
SCR_MEMORY  EQU 1
SCR_REGS    EQU 2
SCR_TIME    EQU 3
SCR_SET     EQU 4
SCR_PROMPT  EQU 5

monitor:    SJP key_start
go_home:    LDI A,SCR_HOME
            STA (SCREEN)
mon_show:   SJP show_screen
mon_loop:   SJP mon_key
            STA (KEY)
            LDA (SCREEN)
            CPI A,SCR_SET
            BZR not_set
            JMP set_key
not_set:    CPI A,SCR_MEMORY
            BZR not_memory
            JMP memory_key
not_memory: CPI A,SCR_REGS
            BZS regs_key
            CPI A,SCR_TIME
            BZS time_key
; The keys that work on every screen but the time setting; a repeat of
; them does nothing.
common_key: LDA (REPEATED)
            BZR mon_loop
            LDA (KEY)
            CPI A,'M'
            BZS ask_memory
            CPI A,'G'
            BZS ask_run
            CPI A,'R'
            BZS show_regs
            CPI A,'T'
            BZS show_time
            CPI A,K_CL
            BZS go_home
            CPI A,K_BREAK
            BZS go_home
            BCH mon_loop

ask_memory: LDI XH,HIGH(text_memory)
            LDI XL,LOW(text_memory)
            LDA (MEM_ADDR)
            STA (VALUE)
            LDA (MEM_ADDR+1)
            STA (VALUE+1)
            SJP ask_address
            BCR go_home
            LDA (VALUE)
            STA (MEM_ADDR)
            LDA (VALUE+1)
            STA (MEM_ADDR+1)
            LDI A,0
            STA (DIGITS)
            LDI A,SCR_MEMORY
            BCH mon_screen

ask_run:    LDI XH,HIGH(text_run)
            LDI XL,LOW(text_run)
            LDA (GO_ADDR)
            STA (VALUE)
            LDA (GO_ADDR+1)
            STA (VALUE+1)
            SJP ask_address
            BCR go_home
            LDA (VALUE)
            STA (GO_ADDR)
            LDA (VALUE+1)
            STA (GO_ADDR+1)
            SJP run_program
            SJP key_start
            LDA (HOW_ENDED)
            CPI A,1
            BZR run_shown
            LDA (OUTPUT_SEEN)   ; returned after printing: a key first
            BZS run_shown
            SJP mon_key
run_shown:  LDI A,0
            BCH regs_page

show_regs:  LDI A,0
regs_page:  STA (REG_PAGE)
            LDI A,SCR_REGS
            BCH mon_screen

show_time:  LDI A,SCR_TIME
mon_screen: STA (SCREEN)
            BCH mon_show

; Registers: the arrows switch between the two lines, once however long
; they are held.
regs_key:   LDA (REPEATED)
            BZR mon_loop
            LDA (KEY)
            CPI A,K_UP
            BZS regs_flip
            CPI A,K_DOWN
            BZS regs_flip
            CPI A,K_UPDOWN
            BZR common_key
regs_flip:  LDA (REG_PAGE)
            EAI 1
            BCH regs_page

; The date and time: ENTER sets them.
time_key:   LDA (KEY)
            CPI A,K_ENTER
            BZR common_key
            SJP clock_read
            SJP set_from_clock
            LDI A,SCR_SET
            BCH mon_screen

; Waits for a key; meanwhile the banner and the time screen follow the
; clock. A = the key.
mon_key:    SJP key_poll
            BZR mon_key_done
            LDA (CLOCK_DUE)
            BZS mon_key
            LDI A,0
            STA (CLOCK_DUE)
            LDA (SCREEN)
            CPI A,SCR_HOME
            BZS mon_key_clock
            CPI A,SCR_TIME
            BZR mon_key
mon_key_clock:
            SJP clock_read
            LDA (CLOCK)
            CPA (SHOWN_SEC)
            BZS mon_key
            LDA (SCREEN)
            CPI A,SCR_TIME
            BZS mon_key_date    ; the date too
            LDI A,0
            STA (INVERSE)
            SJP draw_time_of_day
            BCH mon_key
mon_key_date:
            SJP show_screen
            BCH mon_key
mon_key_done:
            RTN

; Draws the current screen.
show_screen:
            LDI A,0
            STA (INVERSE)
            STA (CURSOR)
            LDA (SCREEN)
            CPI A,SCR_MEMORY
            BZR not_draw_memory
            JMP draw_memory
not_draw_memory:
            CPI A,SCR_REGS
            BZR not_draw_regs
            JMP draw_regs
not_draw_regs:
            CPI A,SCR_TIME
            BZS draw_time
            CPI A,SCR_SET
            BZR draw_home
            JMP draw_set
draw_home:  LDI XH,HIGH(text_banner)
            LDI XL,LOW(text_banner)
            SJP print_text
            BCH draw_clock
draw_time:  SJP clock_read
            LDA (CLOCK+4)       ; weekday
            ANI A,&0F
            SJP print_weekday
            LDI A,' '
            SJP put_char
            LDA (CLOCK+3)
            SJP print_hex
            LDI A,'/'
            SJP put_char
            SJP clock_month
            SJP print_hex
draw_clock: SJP lcd_clear_eol
; The time of day at column 18.
draw_time_of_day:
            SJP clock_read
            LDA (CLOCK)
            STA (SHOWN_SEC)
            LDI A,18
            STA (CURSOR)
            LDA (CLOCK+2)
            SJP print_hex
            LDI A,':'
            SJP put_char
            LDA (CLOCK+1)
            SJP print_hex
            LDI A,':'
            SJP put_char
            LDA (CLOCK)
            JMP print_hex

; Prints the name of weekday A (0 Sunday), or ??? when A is over 6.
print_weekday:
            PSH X
            PSH U
            LDI XH,HIGH(text_days)
            LDI XL,LOW(text_days)
            CPI A,7
            BCR weekday_name
            LDI A,7
weekday_name:
            ADR X
            ADR X
            ADR X
            LDI UL,2
weekday_char:
            LIN X
            SJP put_char
            LOP UL,weekday_char
            POP U
            POP X
            RTN

            INCLUDE "memory_screen.asm"
            INCLUDE "regs_screen.asm"
            INCLUDE "time_screen.asm"

text_banner:
            DB "ZELKOR MONITOR", 0
text_memory:
            DB "MEMORY AT ", 0
text_run:   DB "RUN AT ", 0
text_days:  DB "SUNMONTUEWEDTHUFRISAT???"
